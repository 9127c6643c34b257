#include "InstallMedium.h"

#include "Driver.h"
#include "Medium.h"
#include "NativeFileSystem.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void WritePattern(const std::string& Path, std::int64_t Size)
{
    fs::create_directories(fs::path(Path).parent_path());
    std::ofstream Out(Path, std::ios::binary);
    std::string Block(1 << 20, '\0');
    for (std::size_t I = 0; I < Block.size(); ++I)
        Block[I] = static_cast<char>((I * 131 + I / 251) & 0xFF);
    for (std::int64_t Left = Size; Left > 0; Left -= static_cast<std::int64_t>(Block.size()))
        Out.write(Block.data(), static_cast<std::streamsize>(std::min<std::int64_t>(Left, Block.size())));
    if (!Out)
        throw std::runtime_error("Cannot write " + Path);
}

}  // namespace

TInstallMedium::TInstallMedium(const std::vector<TExtraFile>& Extra, std::int64_t VolumeSize)
{
    using Driver::RequiredEnvironment;
    using Driver::WindowsPath;
    ProductDir = Folder.Path() + "-product";
    fs::create_directories(ProductDir);
    fs::copy(WindowsPath(RequiredEnvironment("LEXOVANT_DEMO_PRODUCT")), ProductDir, fs::copy_options::recursive);
    for (const char* Program : {"LEXOVANT_DEMO_LEXOVANT", "LEXOVANT_DEMO_UNINST"}) {
        fs::path From = WindowsPath(RequiredEnvironment(Program));
        fs::copy_file(From, fs::path(ProductDir) / From.filename());
    }
    for (const TExtraFile& File : Extra)
        WritePattern(ProductDir + "\\" + File.Name, File.Size);

    NativeFileSystem Files;
    std::vector<TSourceFile> Sources = SourceFiles(Files, ProductDir);
    TVolumeLayout Layout = PlanVolumes(Sources, VolumeSize);
    WriteMedium(Files, ProductDir, Sources, Layout, Folder.Path());
    for (const TSourceFile& Source : Sources)
        Names.push_back(Source.Name);
    Volumes = Layout.Volumes.size();
}

TInstallMedium::~TInstallMedium()
{
    std::error_code Ignored;
    fs::remove_all(ProductDir, Ignored);
}

std::string TInstallMedium::Source(const std::string& Name) const
{
    return ProductDir + "\\" + Name;
}
