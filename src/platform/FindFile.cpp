#include "FindFile.h"

#include "FileStamp.h"

FindFile::FindFile(const std::string& Pattern)
{
    Handle = FindFirstFileA(Pattern.c_str(), &Entry);
    Current = Handle != INVALID_HANDLE_VALUE;
}

FindFile::~FindFile()
{
    if (Handle != INVALID_HANDLE_VALUE)
        FindClose(Handle);
}

bool FindFile::Next()
{
    Current = Handle != INVALID_HANDLE_VALUE && FindNextFileA(Handle, &Entry);
    return Current;
}

std::int32_t FileStampOf(const std::string& Path)
{
    WIN32_FILE_ATTRIBUTE_DATA Data;
    if (!GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &Data))
        return 0;
    return FileStampOfTime(Data.ftLastWriteTime);
}

std::int32_t FileStampOfTime(const FILETIME& LastWrite)
{
    FILETIME Local;
    WORD Date, Time;
    if (!FileTimeToLocalFileTime(&LastWrite, &Local) || !FileTimeToDosDateTime(&Local, &Date, &Time))
        return 0;
    return PackFileStamp(Date, Time);
}
