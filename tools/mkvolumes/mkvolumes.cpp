// The media builder: makes the data volumes of a medium from a directory,
// lists a medium and checks it against its source.
//
//   mkvolumes [--volume-size BYTES] SOURCE_DIR OUT_DIR
//   mkvolumes --list DIR
//   mkvolumes --verify DIR SOURCE_DIR
//
// Exit status 0 on success, 1 when the medium cannot be made or is not
// right, 2 for bad usage.
#include "FileError.h"
#include "Medium.h"
#include "NativeFileSystem.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fputs("usage: mkvolumes [--volume-size BYTES] SOURCE_DIR OUT_DIR\n"
               "       mkvolumes --list DIR\n"
               "       mkvolumes --verify DIR SOURCE_DIR\n",
               stderr);
    return 2;
}

int Refuse(const std::string& Message)
{
    std::fprintf(stderr, "mkvolumes: %s\n", Message.c_str());
    return 1;
}

// A decimal number of bytes, 1 or more.
bool ParseSize(const char* Text, std::int64_t& Size)
{
    if (!*Text || std::strlen(Text) > 12)
        return false;
    Size = 0;
    for (const char* C = Text; *C; ++C) {
        if (*C < '0' || *C > '9')
            return false;
        Size = Size * 10 + (*C - '0');
    }
    return Size > 0;
}

int Make(std::int64_t VolumeSize, const std::string& SourceDir, const std::string& OutDir)
{
    NativeFileSystem Files;
    std::vector<TSourceFile> Sources = SourceFiles(Files, SourceDir);
    TVolumeLayout Layout = PlanVolumes(Sources, VolumeSize);
    WriteMedium(Files, SourceDir, Sources, Layout, OutDir);
    std::printf("%zu files, %ld bytes in %zu volumes\n", Sources.size(), static_cast<long>(Layout.TotalSize),
                Layout.Volumes.size());
    return 0;
}

int List(const std::string& Dir)
{
    NativeFileSystem Files;
    TListedMedium Medium = ListMedium(Files, Dir);
    for (const TListedFile& File : Medium.Files)
        std::printf("%lld %d %s\n", static_cast<long long>(File.Length), File.Volume, File.Name.c_str());
    std::printf("total %ld bytes in %zu volumes\n", static_cast<long>(Medium.TotalSize), Medium.VolumeCount);
    return 0;
}

int Verify(const std::string& Dir, const std::string& SourceDir)
{
    NativeFileSystem Files;
    std::vector<std::string> Problems = VerifyMedium(Files, Dir, SourceDir);
    for (const std::string& Problem : Problems)
        std::fprintf(stderr, "mkvolumes: %s\n", Problem.c_str());
    if (!Problems.empty())
        return 1;
    std::printf("%s holds exactly the files of %s\n", Dir.c_str(), SourceDir.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::strcmp(argv[1], "--list") == 0)
            return List(argv[2]);
        if (argc == 4 && std::strcmp(argv[1], "--verify") == 0)
            return Verify(argv[2], argv[3]);
        std::int64_t VolumeSize = LargestVolume;
        int First = 1;
        if (argc >= 2 && std::strcmp(argv[1], "--volume-size") == 0) {
            if (argc < 3 || !ParseSize(argv[2], VolumeSize))
                return Usage();
            First = 3;
        }
        if (argc - First != 2 || argv[First][0] == '-' || argv[First + 1][0] == '-')
            return Usage();
        return Make(VolumeSize, argv[First], argv[First + 1]);
    } catch (const LayoutError& Error) {
        return Refuse(std::string("cannot make the medium: ") + Error.what());
    } catch (const FileError& Error) {
        return Refuse(Error.what());
    }
}
