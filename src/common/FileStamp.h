#pragma once
// The file stamp that Install.log records for every file: the last-write
// time in local time, packed as MS-DOS date (high 16 bits: year - 1980 in
// bits 9-15, month in 5-8, day in 0-4) and time (low 16 bits: hours in
// 11-15, minutes in 5-10, seconds / 2 in 0-4), read as a signed 32-bit
// number, so that dates from 2044 on are negative.
#include <cstdint>

std::int32_t PackFileStamp(std::uint16_t DosDate, std::uint16_t DosTime);

// The stamp of a local time; 0 outside the years 1980 to 2107, which the
// MS-DOS format cannot hold.
std::int32_t FileStampOfLocalTime(int Year, int Month, int Day, int Hour, int Minute, int Second);
