// Writes the settings for the arguments: a language name, the word-list
// type text and an install directory; the test reads them back with the
// system's own reg tool.
#include "Unit_LanguagePack.h"
#include "Unit_Settings.h"

#include <cstdio>
#include <exception>

int main(int Count, char** Arguments)
{
    if (Count != 4) {
        std::fputs("usage: SettingsProbe LANGUAGE TYPETEXT INSTALLDIR\n", stderr);
        return 2;
    }
    try {
        LanguagePack = std::make_unique<TLanguagePack>();
        LanguagePack->WordlistTypeText = Arguments[2];
        WriteSettings(Arguments[1], Arguments[3]);
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "%s\n", Error.what());
        return 1;
    }
    return 0;
}
