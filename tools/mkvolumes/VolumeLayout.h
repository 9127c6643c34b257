#pragma once
// Where each entry of a medium goes: the plan that the media builder makes
// before it writes anything, so that a refusal leaves nothing behind.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct TSourceFile {
    std::string Name;  // relative, "\" between levels
    std::int64_t Size = 0;
};

// A run of one volume: the header of file Index, or Count of its data bytes
// from Offset on.
struct TPiece {
    bool IsHeader = false;
    std::size_t Index = 0;
    std::int64_t Offset = 0, Count = 0;
};

struct TVolumeLayout {
    std::int32_t TotalSize = 0;
    std::vector<std::vector<TPiece>> Volumes;  // Volumes[0] is Setup.d01
    // The size of volume Number (1-based): total size field, pieces, last byte.
    std::int64_t VolumeBytes(std::size_t Number) const;
};

// Why a medium cannot be made.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr std::int64_t LargestVolume = INT32_MAX;
constexpr std::size_t MostVolumes = 255;

// Lays Files out in their order in volumes of at most VolumeSize bytes. An
// entry's header never straddles volumes; a volume that cannot hold the
// next header ends early. Refuses (LayoutError) unsafe names, files of
// 2 GiB or more, a total of 2^31 bytes or more, more than 255 volumes, a
// volume size too small for the longest header, and empty files that would
// begin in a volume after the last data byte, where extraction has stopped.
TVolumeLayout PlanVolumes(const std::vector<TSourceFile>& Files, std::int64_t VolumeSize = LargestVolume);
