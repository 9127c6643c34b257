// Arbitrary bytes as a .lng file: the loader and the quick test never crash,
// never read past the data, and agree with each other.
#include "LineReader.h"
#include "Unit_LanguagePack.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    MemorySource ForLoad(Data, Size);
    TLanguagePack Pack;
    TPackProblem Problem;
    bool Loaded = Pack.Parse(ForLoad, &Problem);

    MemorySource ForTest(Data, Size);
    bool Listed = IsLanguagePack(ForTest);

    // Every pack that loads is listed; a failure names a line.
    if (Loaded && !Listed)
        std::abort();
    if (!Loaded && Problem.Line < 1)
        std::abort();
    if (Loaded)
        for (int N = 1; N <= TLanguagePack::SlotCount; ++N)
            if (Pack.Slot(N).size() > 2 * Size)
                std::abort();
    return 0;
}
