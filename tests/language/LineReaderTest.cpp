#include "LineReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> ReadAll(const std::string& Bytes)
{
    MemorySource Source(Bytes);
    LineReader Reader(Source);
    std::vector<std::string> Lines;
    while (!Reader.AtEnd())
        Lines.push_back(Reader.ReadLine());
    return Lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, LineEndRules)
{
    struct Case {
        std::string Bytes;
        Lines Expected;
    } const Cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},                      // CR alone ends a line
        {"a\nb\r\n", {"a\nb"}},                      // an LF elsewhere is text
        {"a\r\n\nb", {"a", "\nb"}},                  // only one LF belongs to the CR
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\x1A" "b\r\nc", {"a"}},                   // 1A ends the file
        {"a\r\n\x1A\r\nb", {"a"}},
        {"\x1A", {}},
        {"a\r\x1A\n", {"a"}},                        // nothing behind 1A, not even the LF
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ReadAll(C.Bytes), C.Expected);
}

TEST(LineReader, LinesLongerThanTheBufferAreWhole)
{
    std::string Long(200000, 'x');
    EXPECT_EQ(ReadAll(Long + "\r\n" + Long + "\r" + "y"), (Lines{Long, Long, "y"}));
}

TEST(LineReader, ACrLfPairSplitAcrossBuffersIsOneLineEnd)
{
    std::string Bytes(64 * 1024 - 1, 'x');
    Bytes += "\r\nnext";
    Lines Read = ReadAll(Bytes);
    ASSERT_EQ(Read.size(), 2u);
    EXPECT_EQ(Read[1], "next");
}

TEST(LineReader, CountsLines)
{
    const std::string Bytes = "a\r\nb\r\nc";
    MemorySource Source(Bytes);
    LineReader Reader(Source);
    Reader.ReadLine();
    Reader.ReadLine();
    EXPECT_EQ(Reader.LinesRead(), 2);
    Reader.ReadLine();
    EXPECT_EQ(Reader.LinesRead(), 3);
    EXPECT_EQ(Reader.ReadLine(), "");  // at the end: nothing, and no line counted
    EXPECT_EQ(Reader.LinesRead(), 3);
}

class FailingSource : public ByteSource {
public:
    std::size_t Read(char*, std::size_t) override { throw ReadError("medium failed"); }
};

TEST(LineReader, ReadErrorsPassOn)
{
    FailingSource Source;
    LineReader Reader(Source);
    EXPECT_THROW(Reader.AtEnd(), ReadError);
}

}  // namespace
