#include "ProgramFile.h"

#include "Unit_Paths.h"

#include <windows.h>

#include <vector>

std::string ProgramFileName()
{
    // The path may be longer than MAX_PATH; grow until it fits.
    std::vector<char> Buffer(MAX_PATH);
    for (;;) {
        DWORD Length = GetModuleFileNameA(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
        if (Length == 0)
            return {};
        if (Length < Buffer.size())
            return std::string(Buffer.data(), Length);
        Buffer.resize(Buffer.size() * 2);
    }
}

std::string ProgramDirectory()
{
    std::string Path = ProgramFileName();
    std::string::size_type Cut = Path.find_last_of("\\:");
    return Cut == std::string::npos ? std::string() : RemoveTrailingBackslash(Path.substr(0, Cut + 1));
}
