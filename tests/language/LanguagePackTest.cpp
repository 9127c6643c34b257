#include "LineReader.h"
#include "PackBuilder.h"
#include "Unit_LanguagePack.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool Parses(const std::string& Bytes, TLanguagePack& Pack, TPackProblem* Problem = nullptr)
{
    MemorySource Source(Bytes);
    return Pack.Parse(Source, Problem);
}

bool IsPack(const std::string& Bytes)
{
    MemorySource Source(Bytes);
    return IsLanguagePack(Source);
}

TEST(LanguagePack, MinimalPackFillsTheFortySlotsInOrder)
{
    PackBuilder B;
    ASSERT_EQ(B.Lines.size(), 44u);
    TLanguagePack Pack;
    ASSERT_TRUE(Parses(B.Bytes(), Pack));
    for (int N = 1; N <= 40; ++N)
        EXPECT_EQ(Pack.Slot(N), "Text " + std::to_string(N));
    // The names and the numbers reach the same slots.
    EXPECT_EQ(Pack.OkButtonText, "Text 1");
    EXPECT_EQ(Pack.WelcomeText, "Text 12");
    EXPECT_EQ(Pack.DirErrorText, "Text 22");
    EXPECT_EQ(Pack.DiskText, "Text 30");
    EXPECT_EQ(Pack.OverwriteText, "Text 32");
    EXPECT_EQ(Pack.ExtraShortcutTarget, "Text 37");
    EXPECT_EQ(Pack.UninstallShortcutText, "Text 40");
    EXPECT_STREQ(TLanguagePack::SlotName(1), "OkButtonText");
    EXPECT_STREQ(TLanguagePack::SlotName(21), "BrowseTitleText");
    EXPECT_STREQ(TLanguagePack::SlotName(40), "UninstallShortcutText");
    EXPECT_THROW(Pack.Slot(0), std::out_of_range);
    EXPECT_THROW(Pack.Slot(41), std::out_of_range);
}

// Variations of a valid pack that must load to the same texts.
TEST(LanguagePack, VariationsThatLoadAlike)
{
    using Change = std::function<void(PackBuilder&)>;
    const std::pair<const char*, Change> Cases[] = {
        {"comments before every text",
         [](PackBuilder& B) {
             for (int N = 40; N >= 1; --N)
                 B.Lines.insert(B.Lines.begin() + B.TextLine(N), {"# slot " + std::to_string(N), "#"});
         }},
        {"free lines before :setup",
         [](PackBuilder& B) { B.Lines.insert(B.Lines.begin() + 2, {"anything", "", "#x", ":main", "0"}); }},
        {"lines after :main", [](PackBuilder& B) { B.Lines.insert(B.Lines.end(), {"junk", ":main", ""}); }},
        {":main without a line end", [](PackBuilder& B) { B.EndWithLineEnd = false; }},
        {"CR alone as line end", [](PackBuilder& B) { B.LineEnd = "\r"; }},
        {"a version of two zeros", [](PackBuilder& B) { B.Lines[1] = "00"; }},
        {"a version of many zeros", [](PackBuilder& B) { B.Lines[1] = std::string(5000, '0'); }},
        {"a 1A byte after :main", [](PackBuilder& B) { B.Lines.back() += "\r\n\x1A" "garbage"; }},
    };
    for (const auto& [Name, Apply] : Cases) {
        PackBuilder B;
        Apply(B);
        TLanguagePack Pack;
        TPackProblem Problem;
        EXPECT_TRUE(Parses(B.Bytes(), Pack, &Problem)) << Name << ": line " << Problem.Line << ": " << Problem.Reason;
        EXPECT_EQ(Pack.OkButtonText, "Text 1") << Name;
        EXPECT_EQ(Pack.UninstallShortcutText, "Text 40") << Name;
        EXPECT_TRUE(IsPack(B.Bytes())) << Name;
    }
}

TEST(LanguagePack, EmptyLinesAndMarkersAmongTheTextsAreTexts)
{
    PackBuilder B;
    B.Lines[B.TextLine(3)] = "";
    B.Lines[B.TextLine(4)] = ":setup";
    B.Lines[B.TextLine(5)] = "a # in the middle";
    TLanguagePack Pack;
    ASSERT_TRUE(Parses(B.Bytes(), Pack));
    EXPECT_EQ(Pack.YesButtonText, "");
    EXPECT_EQ(Pack.NoButtonText, ":setup");
    EXPECT_EQ(Pack.BackButtonText, "a # in the middle");
    EXPECT_EQ(Pack.UninstallShortcutText, "Text 40");
}

TEST(LanguagePack, AnLfInsideALineIsText)
{
    PackBuilder B;
    B.Lines[B.TextLine(12)] = "one\ntwo";
    TLanguagePack Pack;
    ASSERT_TRUE(Parses(B.Bytes(), Pack));
    EXPECT_EQ(Pack.WelcomeText, "one\ntwo");
}

// Malformed packs: the first broken rule, its line, and the quick test.
TEST(LanguagePack, MalformedPacksFailAtTheirFirstBrokenRule)
{
    using Change = std::function<void(PackBuilder&)>;
    struct Case {
        const char* Name;
        Change Apply;
        int Line;
        const char* Reason;
        bool PassesQuickTest;
    };
    const Case Cases[] = {
        {"empty file", [](PackBuilder& B) { B.Lines.clear(); }, 1, "the file is empty", false},
        {"header with a trailing blank", [](PackBuilder& B) { B.Lines[0] += " "; }, 1,
         "expected \"Lexovant Language Pack\"", false},
        {"header in other case", [](PackBuilder& B) { B.Lines[0] = "lexovant language pack"; }, 1,
         "expected \"Lexovant Language Pack\"", false},
        {"header only", [](PackBuilder& B) { B.Lines.resize(1); B.EndWithLineEnd = false; }, 1,
         "the file ends after the header", false},
        {"empty version", [](PackBuilder& B) { B.Lines[1] = ""; }, 2, "the version line is empty", false},
        {"version with a blank", [](PackBuilder& B) { B.Lines[1] = " 0"; }, 2,
         "the version line must hold digits only", false},
        {"version with a trailing blank", [](PackBuilder& B) { B.Lines[1] = "0 "; }, 2,
         "the version line must hold digits only", false},
        {"version 1", [](PackBuilder& B) { B.Lines[1] = "1"; }, 2, "the format version must be 0", false},
        {"version 0001", [](PackBuilder& B) { B.Lines[1] = "0001"; }, 2, "the format version must be 0", false},
        {"header and version only", [](PackBuilder& B) { B.Lines.resize(2); }, 2,
         "the file ends after the version line", true},
        {"no :setup", [](PackBuilder& B) { B.Lines.erase(B.Lines.begin() + 2); }, 43, "no \":setup\" line", true},
        {":setup as the last line", [](PackBuilder& B) { B.Lines.resize(3); }, 3,
         "the file ends after \":setup\"", true},
        {"thirty-nine texts", [](PackBuilder& B) { B.Lines.erase(B.Lines.begin() + B.TextLine(40), B.Lines.end()); },
         42, "the file ends before text 40 (UninstallShortcutText)", true},
        {"file ends after the fortieth text", [](PackBuilder& B) { B.Lines.pop_back(); }, 44,
         "expected \":main\" after the fortieth text, found the end of the file", true},
        {"comment before :main", [](PackBuilder& B) { B.Lines.insert(B.Lines.end() - 1, "# end"); }, 44,
         "expected \":main\" after the fortieth text", true},
        {":main early is a text", [](PackBuilder& B) { B.Lines.insert(B.Lines.begin() + B.TextLine(40), ":main"); },
         44, "expected \":main\" after the fortieth text", true},
        {":main with a blank", [](PackBuilder& B) { B.Lines.back() = ":main "; }, 44,
         "expected \":main\" after the fortieth text", true},
        {"LF line ends", [](PackBuilder& B) { B.LineEnd = "\n"; }, 1, "expected \"Lexovant Language Pack\"", false},
        {"1A inside the texts", [](PackBuilder& B) { B.Lines[B.TextLine(20)] += "\x1A"; }, 23,
         "the file ends before text 21 (BrowseTitleText)", true},
        {"comments up to the end", [](PackBuilder& B) {
             B.Lines.erase(B.Lines.begin() + B.TextLine(1), B.Lines.end());
             B.Lines.insert(B.Lines.end(), {"# a", "# b"});
         }, 5, "the file ends before text 1 (OkButtonText)", true},
    };
    for (const Case& C : Cases) {
        PackBuilder B;
        C.Apply(B);
        TLanguagePack Pack;
        TPackProblem Problem;
        EXPECT_FALSE(Parses(B.Bytes(), Pack, &Problem)) << C.Name;
        EXPECT_EQ(Problem.Line, C.Line) << C.Name;
        EXPECT_EQ(Problem.Reason, C.Reason) << C.Name;
        EXPECT_EQ(IsPack(B.Bytes()), C.PassesQuickTest) << C.Name;
    }
}

TEST(LanguagePack, EscapesDecodeInOnePass)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"\\#first", "#first"},
        {"a\\:b", "a:b"},
        {"one\\ntwo", "one\r\ntwo"},
        {"back\\\\slash", "back\\slash"},
        {"\\\\n", "\\n"},            // the produced backslash starts nothing
        {"\\\\\\n", "\\\r\n"},
        {"tab\\t", "tab\\t"},         // an unknown escape stays as it is
        {"end\\", "end\\"},           // so does a backslash at the end
        {"\\\\\\", "\\\\"},
        {"%v% and %v%", "%v% and %v%"},
        {"", ""},
    };
    for (const auto& [Line, Text] : Cases)
        EXPECT_EQ(DecodeEscapes(Line), Text) << Line;

    // Escapes apply to texts only, and a text may begin with "#" through one.
    PackBuilder B;
    B.Lines[B.TextLine(1)] = "\\# not a comment\\n";
    TLanguagePack Pack;
    ASSERT_TRUE(Parses(B.Bytes(), Pack));
    EXPECT_EQ(Pack.OkButtonText, "# not a comment\r\n");
}

TEST(LanguagePack, AMissingFileIsAFailedLoadThatLeavesTheSlots)
{
    TLanguagePack Pack;
    Pack.WelcomeText = "kept";
    TPackProblem Problem;
    EXPECT_FALSE(Pack.LoadFile("no/such/dir/Missing.lng", &Problem));
    EXPECT_EQ(Problem.Line, 0);
    EXPECT_EQ(Pack.WelcomeText, "kept");
    EXPECT_FALSE(IsLanguagePack(std::string("no/such/dir/Missing.lng")));
}

TEST(LanguagePack, BinaryGarbageIsNotAPack)
{
    std::string Bytes;
    for (unsigned I = 0; I < 300000; ++I)
        Bytes += static_cast<char>((I * 7919u) % 251u + 1u);
    TLanguagePack Pack;
    EXPECT_FALSE(Parses(Bytes, Pack));
    EXPECT_FALSE(IsPack(Bytes));
}

}  // namespace
