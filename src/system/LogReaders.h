#pragma once
// Readers of Install.log, over bytes. Lines follow the pack file's rules
// (CR ends a line, an LF right after it belongs to the line end, 1A ends
// the file).
#include <optional>
#include <string>

class ByteSource;

// The program folder of a previous installation: the line after the first
// line that is exactly "{program folder}". Nothing when there is no such
// line or the file ends right after it. A ReadError of the source passes on.
std::optional<std::string> ReadProgramFolder(ByteSource& Log);
