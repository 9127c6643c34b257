#include "TempDir.h"

#include "NativeFileSystem.h"
#include "Unit_Paths.h"

#include <atomic>
#include <chrono>
#include <memory>

TempDir::TempDir()
{
    static std::atomic<int> Count{0};
    auto Now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path Made = std::filesystem::temp_directory_path() /
                                 ("lexovant-test-" + std::to_string(Now) + "-" + std::to_string(Count++));
    std::filesystem::create_directories(Made);
    Dir = Made.string();
}

TempDir::~TempDir()
{
    std::error_code Ignored;
    std::filesystem::remove_all(Dir, Ignored);
}

std::string ReadWholeFile(const std::string& Path)
{
    NativeFileSystem Files;
    std::unique_ptr<FileReader> File;
    try {
        File = Files.OpenRead(Path);
    } catch (...) {
        return "<missing>";
    }
    std::string Bytes(static_cast<std::size_t>(File->Size()), '\0');
    std::size_t Got = 0;
    while (Got < Bytes.size()) {
        std::size_t N = File->Read(Bytes.data() + Got, Bytes.size() - Got);
        if (N == 0)
            break;
        Got += N;
    }
    Bytes.resize(Got);
    return Bytes;
}

void WriteWholeFile(const std::string& Path, const std::string& Bytes)
{
    NativeFileSystem Files;
    Files.MakeDirectories(Path);
    std::unique_ptr<FileWriter> File = Files.Create(Path);
    File->Write(Bytes.data(), Bytes.size());
    File->Close();
}
