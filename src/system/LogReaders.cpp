#include "LogReaders.h"

#include "LineReader.h"

std::optional<std::string> ReadProgramFolder(ByteSource& Log)
{
    LineReader Reader(Log);
    bool Found = false;
    while (!Reader.AtEnd() && !Found)
        Found = Reader.ReadLine() == "{program folder}";
    if (!Found || Reader.AtEnd())
        return std::nullopt;
    return Reader.ReadLine();
}
