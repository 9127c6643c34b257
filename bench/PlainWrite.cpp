// The plainest ways Win32 allows to put a set of files on disk, timed, as
// the yardstick for the extraction benchmark:
//
//   plainwrite copy SOURCE_DIR TARGET_DIR   CopyFileA of every file
//   plainwrite write SOURCE_DIR TARGET_DIR  CreateFileA + WriteFile + CloseHandle
//                                           of every file, its bytes read into
//                                           memory before the clock starts
//
// Prints "files N bytes B ms T". Directories are made before the clock starts.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string Relative;
    std::vector<char> Data;
};

void List(const std::string& Root, const std::string& Relative, std::vector<Entry>& Out, bool Load)
{
    WIN32_FIND_DATAA Found;
    std::string Dir = Relative.empty() ? Root : Root + "\\" + Relative;
    HANDLE Search = FindFirstFileA((Dir + "\\*").c_str(), &Found);
    if (Search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string Name = Found.cFileName;
        if (Name == "." || Name == "..")
            continue;
        std::string Child = Relative.empty() ? Name : Relative + "\\" + Name;
        if (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            List(Root, Child, Out, Load);
            continue;
        }
        Entry E{Child, {}};
        if (Load) {
            HANDLE File = CreateFileA((Root + "\\" + Child).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            E.Data.resize(Found.nFileSizeLow);
            DWORD Read = 0;
            ReadFile(File, E.Data.data(), static_cast<DWORD>(E.Data.size()), &Read, nullptr);
            CloseHandle(File);
        }
        Out.push_back(std::move(E));
    } while (FindNextFileA(Search, &Found));
    FindClose(Search);
}

void MakeParents(const std::string& Root, const std::string& Relative)
{
    for (std::size_t Cut = Relative.find('\\'); Cut != std::string::npos; Cut = Relative.find('\\', Cut + 1))
        CreateDirectoryA((Root + "\\" + Relative.substr(0, Cut)).c_str(), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || (std::string(argv[1]) != "copy" && std::string(argv[1]) != "write")) {
        std::fprintf(stderr, "usage: plainwrite copy|write SOURCE_DIR TARGET_DIR\n");
        return 2;
    }
    bool Copy = std::string(argv[1]) == "copy";
    std::string Source = argv[2], Target = argv[3];
    std::vector<Entry> Files;
    List(Source, "", Files, !Copy);
    CreateDirectoryA(Target.c_str(), nullptr);
    long long Bytes = 0;
    for (const Entry& E : Files)
        MakeParents(Target, E.Relative);

    LARGE_INTEGER Frequency, Begin, End;
    QueryPerformanceFrequency(&Frequency);
    QueryPerformanceCounter(&Begin);
    for (const Entry& E : Files) {
        std::string To = Target + "\\" + E.Relative;
        if (Copy) {
            if (!CopyFileA((Source + "\\" + E.Relative).c_str(), To.c_str(), FALSE))
                return 1;
            continue;
        }
        HANDLE File = CreateFileA(To.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (File == INVALID_HANDLE_VALUE)
            return 1;
        DWORD Written = 0;
        if (!E.Data.empty() && !WriteFile(File, E.Data.data(), static_cast<DWORD>(E.Data.size()), &Written, nullptr))
            return 1;
        CloseHandle(File);
        Bytes += static_cast<long long>(E.Data.size());
    }
    QueryPerformanceCounter(&End);
    if (Copy)
        for (const Entry& E : Files) {
            WIN32_FILE_ATTRIBUTE_DATA Data;
            if (GetFileAttributesExA((Source + "\\" + E.Relative).c_str(), GetFileExInfoStandard, &Data))
                Bytes += Data.nFileSizeLow;
        }
    double Ms = 1000.0 * static_cast<double>(End.QuadPart - Begin.QuadPart) / static_cast<double>(Frequency.QuadPart);
    std::printf("files %zu bytes %lld ms %.0f\n", Files.size(), Bytes, Ms);
    return 0;
}
