#pragma once
// Data embedded in the program file.
#include <cstddef>

struct TResourceBytes {
    const void* Data = nullptr;
    std::size_t Size = 0;
};

// An RCDATA resource of this program by name; empty when it is missing.
TResourceBytes ProgramResource(const char* Name);
