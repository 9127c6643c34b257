// The Windows side of the loader: packs lie beside the installer's program.
#include "Unit_LanguagePack.h"

#include "ProgramFile.h"
#include "Unit_Paths.h"

bool TLanguagePack::Load(const std::string& Name)
{
    return LoadFile(CombinePath(ProgramDirectory(), Name + ".lng"));
}
