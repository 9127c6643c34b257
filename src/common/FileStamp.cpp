#include "FileStamp.h"

std::int32_t PackFileStamp(std::uint16_t DosDate, std::uint16_t DosTime)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(DosDate) << 16) | DosTime);
}

std::int32_t FileStampOfLocalTime(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
    if (Year < 1980 || Year > 2107)
        return 0;
    auto Date = static_cast<std::uint16_t>(((Year - 1980) << 9) | (Month << 5) | Day);
    auto Time = static_cast<std::uint16_t>((Hour << 11) | (Minute << 5) | (Second / 2));
    return PackFileStamp(Date, Time);
}
