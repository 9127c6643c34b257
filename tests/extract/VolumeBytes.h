#pragma once
// Volume bytes built by hand, field by field.
#include <cstdint>
#include <string>

inline std::string Long(std::int32_t Value)
{
    auto Bits = static_cast<std::uint32_t>(Value);
    return {char(Bits), char(Bits >> 8), char(Bits >> 16), char(Bits >> 24)};
}

// An entry's header: name, 0 byte, length.
inline std::string Header(const std::string& Name, std::int32_t Length)
{
    return Name + '\0' + Long(Length);
}

// Bytes 0, 1, 2, ... (mod 251) from Seed on: no two files alike.
inline std::string Pattern(std::size_t Size, int Seed)
{
    std::string Bytes(Size, '\0');
    for (std::size_t I = 0; I < Size; ++I)
        Bytes[I] = static_cast<char>((I + Seed) % 251);
    return Bytes;
}
