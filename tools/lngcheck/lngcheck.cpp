// lngcheck: checks language packs by exactly the installer's loading rules.
//
//   lngcheck FILE...       one line per file: "FILE: ok" or "FILE: line N: reason"
//   lngcheck --dump FILE   the forty decoded texts of a pack that loads
//
// Exit status: 0 all packs load, 1 one does not, 2 bad usage or a file that
// cannot be opened or read.
#include "Unit_LanguagePack.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum ExitCode { Passed = 0, Failed = 1, Trouble = 2 };

int Usage()
{
    std::fprintf(stderr, "usage: lngcheck FILE...\n       lngcheck --dump FILE\n");
    return Trouble;
}

// A text as one printable line: \\ for a backslash, \r and \n, \xHH for the
// other control bytes and 7F; every other byte as it is.
std::string Printable(const std::string& Text)
{
    std::string Out;
    for (unsigned char C : Text) {
        if (C == '\\')
            Out += "\\\\";
        else if (C == '\r')
            Out += "\\r";
        else if (C == '\n')
            Out += "\\n";
        else if (C < 0x20 || C == 0x7F) {
            char Hex[5];
            std::snprintf(Hex, sizeof Hex, "\\x%02X", C);
            Out += Hex;
        } else
            Out += static_cast<char>(C);
    }
    return Out;
}

// The texts that the installer fills in, and what each must hold.
void WarnMissingPlaceholders(const char* File, const TLanguagePack& Pack)
{
    struct Need {
        const std::string TLanguagePack::*Text;
        const char* Name;
        const char* Placeholder;
    };
    const Need Needs[] = {
        {&TLanguagePack::WelcomeText, "WelcomeText", "%v%"},
        {&TLanguagePack::DiskText, "DiskText", "%dn%"},
        {&TLanguagePack::OverwriteText, "OverwriteText", "%f%"},
    };
    for (const Need& N : Needs)
        if ((Pack.*N.Text).find(N.Placeholder) == std::string::npos)
            std::fprintf(stderr, "%s: warning: %s lacks %s\n", File, N.Name, N.Placeholder);
}

// Checks one file and prints its line; returns its exit code.
int Check(const char* File, TLanguagePack& Pack)
{
    TPackProblem Problem;
    if (Pack.LoadFile(File, &Problem)) {
        WarnMissingPlaceholders(File, Pack);
        return Passed;
    }
    if (Problem.Line == 0) {
        std::printf("%s: %s\n", File, Problem.Reason.c_str());
        return Trouble;
    }
    std::printf("%s: line %d: %s\n", File, Problem.Line, Problem.Reason.c_str());
    return Failed;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<const char*> Files;
    bool Dump = false;
    bool Options = true;
    for (int I = 1; I < argc; ++I) {
        if (Options && std::strcmp(argv[I], "--") == 0)
            Options = false;
        else if (Options && std::strcmp(argv[I], "--dump") == 0)
            Dump = true;
        else if (Options && argv[I][0] == '-' && argv[I][1] != '\0')
            return Usage();
        else
            Files.push_back(argv[I]);
    }
    if (Files.empty() || (Dump && Files.size() != 1))
        return Usage();

    if (Dump) {
        TLanguagePack Pack;
        int Code = Check(Files[0], Pack);
        if (Code != Passed)
            return Code;
        for (int Number = 1; Number <= TLanguagePack::SlotCount; ++Number)
            std::printf("%02d %s=%s\n", Number, TLanguagePack::SlotName(Number), Printable(Pack.Slot(Number)).c_str());
        return Passed;
    }

    int Worst = Passed;
    for (const char* File : Files) {
        TLanguagePack Pack;
        int Code = Check(File, Pack);
        if (Code == Passed)
            std::printf("%s: ok\n", File);
        Worst = std::max(Worst, Code);
    }
    return Worst;
}
