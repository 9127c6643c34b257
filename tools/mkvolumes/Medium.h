#pragma once
// Writing a medium from a source directory, and reading one back with the
// installer's own reading code.
#include "VolumeLayout.h"

#include <cstdint>
#include <string>
#include <vector>

class FileSystem;

// Every file under SourceDir, sorted by relative name ("\" between levels).
// A name the installer would reject is a LayoutError.
std::vector<TSourceFile> SourceFiles(FileSystem& Files, const std::string& SourceDir);

// Writes Setup.d01 and the volumes after it into OutDir.
void WriteMedium(FileSystem& Files, const std::string& SourceDir, const std::vector<TSourceFile>& Sources,
                 const TVolumeLayout& Layout, const std::string& OutDir);

struct TListedFile {
    std::string Name;
    std::int64_t Length = 0;
    int Volume = 0;  // where its entry begins
};

struct TListedMedium {
    std::vector<TListedFile> Files;
    std::int32_t TotalSize = 0;
    std::size_t VolumeCount = 0;
};

// Reads the chain in Dir; a chain that is broken, truncated or does not add
// up to its total size is a FileError.
TListedMedium ListMedium(FileSystem& Files, const std::string& Dir);

// The differences between the chain in Dir and the files of SourceDir, one
// line each; empty when the chain holds exactly those files, byte for byte.
std::vector<std::string> VerifyMedium(FileSystem& Files, const std::string& Dir, const std::string& SourceDir);
