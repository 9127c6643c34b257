#include "DirectoryPath.h"

#include <windows.h>

namespace {

// Where the directories that can be made begin: after "C:\", after
// "\\server\share\", after a leading "\".
std::string::size_type FirstMakeable(const std::string& Path)
{
    if (Path.size() >= 2 && Path[1] == ':')
        return Path.size() >= 3 && Path[2] == '\\' ? 3 : 2;
    if (Path.rfind("\\\\", 0) == 0) {
        std::string::size_type Server = Path.find('\\', 2);
        std::string::size_type Share = Server == std::string::npos ? Server : Path.find('\\', Server + 1);
        return Share == std::string::npos ? Path.size() : Share + 1;
    }
    return Path.rfind('\\', 0) == 0 ? 1 : 0;
}

}  // namespace

bool DirectoryExists(const std::string& Path)
{
    DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeSureDirectoryPathExists(const std::string& Path)
{
    std::string::size_type Last = Path.rfind('\\');
    if (Last == std::string::npos)
        return true;  // a bare name lies in the current directory
    for (std::string::size_type Cut = Path.find('\\', FirstMakeable(Path)); Cut != std::string::npos && Cut <= Last;
         Cut = Path.find('\\', Cut + 1)) {
        std::string Dir = Path.substr(0, Cut);
        if (!Dir.empty() && Dir.back() != '\\' && !DirectoryExists(Dir))
            CreateDirectoryA(Dir.c_str(), nullptr);
    }
    std::string Dir = Path.substr(0, Last);
    return Dir.empty() || DirectoryExists(Dir.size() == 2 && Dir[1] == ':' ? Dir + "\\" : Dir);
}

std::string FullPathName(const std::string& Path)
{
    if (Path.empty())
        return {};
    char Full[MAX_PATH + 1] = {};
    DWORD Length = GetFullPathNameA(Path.c_str(), sizeof Full, Full, nullptr);
    return Length == 0 || Length > MAX_PATH ? std::string() : std::string(Full, Length);
}
