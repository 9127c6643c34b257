#pragma once
// Decoding of JPEG pictures with libjpeg, into rows of blue-green-red bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct TRgbImage {
    int Width = 0, Height = 0;
    // Top-down rows of Width * 3 bytes (blue, green, red), each padded to a
    // multiple of four bytes as a Windows DIB wants it.
    std::vector<std::uint8_t> Pixels;
    int Stride() const { return (Width * 3 + 3) & ~3; }
};

// Nothing when the bytes are not a complete, decodable JPEG.
std::optional<TRgbImage> DecodeJpeg(const void* Data, std::size_t Size);
