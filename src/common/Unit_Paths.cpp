#include "Unit_Paths.h"

std::string RemoveTrailingBackslash(const std::string& Path)
{
    if (Path.empty() || Path.back() != '\\')
        return Path;
    if (Path.size() == 3 && Path[1] == ':')
        return Path;
    return Path.substr(0, Path.size() - 1);
}

std::string CombinePath(const std::string& Dir, const std::string& Name)
{
    if (Dir.empty() || Dir.back() == '\\')
        return RemoveTrailingBackslash(Dir + Name);
    return RemoveTrailingBackslash(Dir + "\\" + Name);
}
