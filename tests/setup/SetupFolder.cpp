#include "SetupFolder.h"

#include "Driver.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TSetupFolder::TSetupFolder(const std::vector<std::string>& Packs)
{
    static int Count = 0;
    char Temp[MAX_PATH];
    GetTempPathA(MAX_PATH, Temp);
    Dir = std::string(Temp) + "setup-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(Count++);
    std::filesystem::create_directories(Dir);
    if (!CopyFileA(Driver::WindowsPath(Driver::RequiredEnvironment("LEXOVANT_SETUP_EXE")).c_str(), SetupExe().c_str(),
                   FALSE))
        throw std::runtime_error("Setup.exe could not be copied");
    for (const std::string& Pack : Packs)
        Write(Pack + ".lng", PackBytes(Pack));
}

TSetupFolder::~TSetupFolder()
{
    std::error_code Ignored;
    std::filesystem::remove_all(Dir, Ignored);
}

void TSetupFolder::Write(const std::string& Name, const std::string& Bytes) const
{
    std::ofstream(Dir + "\\" + Name, std::ios::binary) << Bytes;
}

std::string TSetupFolder::PackBytes(const std::string& Pack)
{
    std::ifstream File(Driver::WindowsPath(Driver::RequiredEnvironment("LEXOVANT_PACKS")) + "\\" + Pack + ".lng",
                       std::ios::binary);
    if (!File)
        throw std::runtime_error("No pack " + Pack);
    std::ostringstream Bytes;
    Bytes << File.rdbuf();
    return Bytes.str();
}
