#include "VolumeLayout.h"

#include "EntryName.h"
#include "Unit_DataFile.h"

#include <algorithm>

namespace {

std::int64_t HeaderSize(const TSourceFile& File)
{
    return static_cast<std::int64_t>(File.Name.size()) + 1 + 4;
}

}  // namespace

std::int64_t TVolumeLayout::VolumeBytes(std::size_t Number) const
{
    std::int64_t Bytes = (Number == 1 ? 4 : 0) + 1;
    return Bytes + [&] {
        std::int64_t Sum = 0;
        for (const TPiece& Piece : Volumes[Number - 1])
            Sum += Piece.Count;
        return Sum;
    }();
}

TVolumeLayout PlanVolumes(const std::vector<TSourceFile>& Files, std::int64_t VolumeSize)
{
    std::int64_t Total = 0, LongestHeader = 0;
    const TSourceFile* Longest = nullptr;
    for (const TSourceFile& File : Files) {
        if (std::optional<std::string> Reason = UnsafeNameReason(File.Name))
            throw LayoutError("the name " + PrintableName(File.Name) + " " + *Reason);
        if (File.Name.size() > TDataFile::MaxNameLength)
            throw LayoutError("the name " + File.Name + " is longer than " + std::to_string(TDataFile::MaxNameLength) +
                              " bytes");
        if (File.Size > INT32_MAX)
            throw LayoutError(File.Name + " is 2 GiB or larger");
        Total += File.Size;
        if (Total > INT32_MAX)
            throw LayoutError("the files hold 2^31 bytes or more");
        if (HeaderSize(File) > LongestHeader)
            LongestHeader = HeaderSize(File), Longest = &File;
    }
    if (VolumeSize > LargestVolume)
        throw LayoutError("a volume can hold at most " + std::to_string(LargestVolume) + " bytes");
    if (VolumeSize < 5 || (Longest && VolumeSize < LongestHeader + 1))
        throw LayoutError("a volume size of " + std::to_string(VolumeSize) + " bytes is too small" +
                          (Longest ? " for the entry of " + Longest->Name + ", which needs " +
                                         std::to_string(std::max<std::int64_t>(LongestHeader + 1, 5))
                                   : std::string(", which needs 5")));

    TVolumeLayout Layout;
    Layout.TotalSize = static_cast<std::int32_t>(Total);
    Layout.Volumes.emplace_back();
    std::int64_t Room = VolumeSize - 1 - 4;
    auto NextVolume = [&] {
        if (Layout.Volumes.size() == MostVolumes)
            throw LayoutError("the files need more than " + std::to_string(MostVolumes) + " volumes of " +
                              std::to_string(VolumeSize) + " bytes");
        Layout.Volumes.emplace_back();
        Room = VolumeSize - 1;
    };
    std::size_t LastData = 0;  // the volume that holds the last data byte, 1-based
    for (std::size_t Index = 0; Index < Files.size(); ++Index) {
        const TSourceFile& File = Files[Index];
        if (Room < HeaderSize(File))
            NextVolume();
        if (File.Size == 0 && Layout.Volumes.size() > LastData && Total > 0 &&
            std::none_of(Files.begin() + Index, Files.end(), [](const TSourceFile& F) { return F.Size > 0; }))
            throw LayoutError("the empty file " + File.Name +
                              " would begin in a volume after the last byte of data, which is never read;"
                              " a larger volume size avoids it");
        Layout.Volumes.back().push_back({true, Index, 0, HeaderSize(File)});
        Room -= HeaderSize(File);
        for (std::int64_t Offset = 0; Offset < File.Size;) {
            if (Room == 0)
                NextVolume();
            std::int64_t Count = std::min(Room, File.Size - Offset);
            Layout.Volumes.back().push_back({false, Index, Offset, Count});
            Room -= Count;
            Offset += Count;
            LastData = Layout.Volumes.size();
        }
    }
    if (Total == 0 && !Files.empty())
        throw LayoutError("every file is empty: extraction copies nothing and would make none of them");
    return Layout;
}
