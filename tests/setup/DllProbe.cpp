// Loads the DLLs named on its command line by bare name, as a system DLL
// loads its helpers; with "restricted" first, after the installer's own
// DLL search restriction. Shows whether planted DLLs would be taken.
#include "DllSearch.h"

#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR CommandLine, int)
{
    std::string Words = CommandLine;
    std::string::size_type Start = 0;
    while (Start < Words.size()) {
        std::string::size_type End = Words.find(' ', Start);
        std::string Word = Words.substr(Start, End == std::string::npos ? std::string::npos : End - Start);
        if (Word == "restricted")
            RestrictDllSearch();
        else if (!Word.empty())
            LoadLibraryA(Word.c_str());
        if (End == std::string::npos)
            break;
        Start = End + 1;
    }
    return 0;
}
