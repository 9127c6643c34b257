// Decoding of the banner, and of JPEG bytes that are broken.
#include "JpegImage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Banner()
{
    std::ifstream File(LEXOVANT_RESOURCES "/banner.jpg", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(File), {});
}

TEST(JpegImage, DecodesTheBanner)
{
    std::string Bytes = Banner();
    ASSERT_FALSE(Bytes.empty());
    std::optional<TRgbImage> Image = DecodeJpeg(Bytes.data(), Bytes.size());
    ASSERT_TRUE(Image.has_value());
    EXPECT_EQ(Image->Width, 120);
    EXPECT_EQ(Image->Height, 280);
    EXPECT_EQ(Image->Stride(), 360);
    EXPECT_EQ(Image->Pixels.size(), 360u * 280);
    // Blue, green, red: the top-left corner is teal, the bottom dark blue.
    const auto* TopLeft = &Image->Pixels[0];
    EXPECT_LT(TopLeft[2], 40);
    EXPECT_GT(TopLeft[1], 120);
    EXPECT_GT(TopLeft[0], 120);
    const auto* BottomLeft = &Image->Pixels[360u * 279];
    EXPECT_LT(BottomLeft[1], 80);
}

TEST(JpegImage, BrokenBytesGiveNothing)
{
    std::string Bytes = Banner();
    ASSERT_GT(Bytes.size(), 1000u);
    std::string Flipped = Bytes;
    for (std::size_t I = Bytes.size() / 2; I < Bytes.size() / 2 + 64; ++I)
        Flipped[I] = static_cast<char>(0xFF);
    struct Case {
        const char* Name;
        std::string Data;
    } const Cases[] = {
        {"empty", ""},
        {"not a JPEG", std::string(500, 'x')},
        {"header only", Bytes.substr(0, 200)},
        {"cut in half", Bytes.substr(0, Bytes.size() / 2)},
        {"markers in the data", Flipped},
    };
    for (const Case& C : Cases)
        EXPECT_FALSE(DecodeJpeg(C.Data.data(), C.Data.size()).has_value()) << C.Name;
    EXPECT_FALSE(DecodeJpeg(nullptr, 10).has_value());
}

}  // namespace
