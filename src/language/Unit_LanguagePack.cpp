#include "Unit_LanguagePack.h"

#include "LineReader.h"

#include <algorithm>

std::unique_ptr<TLanguagePack> LanguagePack;

namespace {

const char* const Header = "Lexovant Language Pack";

struct SlotEntry {
    const char* Name;
    std::string TLanguagePack::*Member;
};

#define SLOT(name) { #name, &TLanguagePack::name }
const SlotEntry Slots[TLanguagePack::SlotCount] = {
    SLOT(OkButtonText), SLOT(CancelButtonText), SLOT(YesButtonText), SLOT(NoButtonText),
    SLOT(BackButtonText), SLOT(NextButtonText), SLOT(FinishButtonText),
    SLOT(ExitCaptionText), SLOT(ExitText), SLOT(ResumeButtonText), SLOT(ExitButtonText),
    SLOT(WelcomeText), SLOT(BeforeLicenceText), SLOT(LicenceText), SLOT(AfterLicenceText),
    SLOT(AgreeText), SLOT(DisagreeText),
    SLOT(SelectInstallDirText), SLOT(InstallDirBoxText), SLOT(BrowseButtonText), SLOT(BrowseTitleText),
    SLOT(DirErrorText),
    SLOT(ProgFolderText), SLOT(ConfirmSettingsText), SLOT(ConfirmInstallDirText), SLOT(ConfirmProgFolderText),
    SLOT(ExtractCaptionText), SLOT(ExtractText), SLOT(DiskCaptionText), SLOT(DiskText),
    SLOT(OverwriteCaptionText), SLOT(OverwriteText), SLOT(YesToAllButtonText), SLOT(FinishedText),
    SLOT(LogHeaderText), SLOT(WordlistTypeText), SLOT(ExtraShortcutTarget),
    SLOT(ProgramShortcutText), SLOT(ExtraShortcutText), SLOT(UninstallShortcutText),
};
#undef SLOT

const SlotEntry& EntryOf(int Number)
{
    if (Number < 1 || Number > TLanguagePack::SlotCount)
        throw std::out_of_range("language pack slot " + std::to_string(Number));
    return Slots[Number - 1];
}

bool IsDigits(const std::string& Line)
{
    return !Line.empty() && std::all_of(Line.begin(), Line.end(), [](char C) { return C >= '0' && C <= '9'; });
}

// A version line is valid when it is digits only; its value is 0 when every
// digit is a zero, however many there are.
bool IsVersionZero(const std::string& Line)
{
    return std::all_of(Line.begin(), Line.end(), [](char C) { return C == '0'; });
}

const char* VersionProblem(const std::string& Line)
{
    if (Line.empty())
        return "the version line is empty";
    if (!IsDigits(Line))
        return "the version line must hold digits only";
    if (!IsVersionZero(Line))
        return "the format version must be 0";
    return nullptr;
}

// The loader's flag Ok, with the first broken rule remembered.
class Loader {
public:
    Loader(ByteSource& Source, TLanguagePack& Pack) : Reader(Source), Pack(Pack) {}

    bool Run()
    {
        // Header.
        if (Reader.AtEnd())
            return Fail(1, "the file is empty");
        std::string Line = Reader.ReadLine();
        if (Line != Header)
            return Fail(1, "expected \"" + std::string(Header) + "\"");
        if (Reader.AtEnd())
            return Fail(1, "the file ends after the header");

        // Format version.
        Line = Reader.ReadLine();
        if (const char* Problem = VersionProblem(Line))
            return Fail(2, Problem);
        if (Reader.AtEnd())
            return Fail(2, "the file ends after the version line");

        // Free lines up to the marker.
        for (;;) {
            Line = Reader.ReadLine();
            if (Reader.AtEnd())
                return Fail(Reader.LinesRead(), Line == ":setup" ? "the file ends after \":setup\""
                                                                  : "no \":setup\" line");
            if (Line == ":setup")
                break;
        }

        for (int Number = 1; Number <= TLanguagePack::SlotCount; ++Number)
            if (!ReadText(Number))
                return false;

        if (Reader.AtEnd())
            return Fail(Reader.LinesRead() + 1, "expected \":main\" after the fortieth text, found the end of the file");
        if (Reader.ReadLine() != ":main")
            return Fail(Reader.LinesRead(), "expected \":main\" after the fortieth text");
        return true;
    }

    TPackProblem Problem;

private:
    bool Fail(int Line, const std::string& Reason)
    {
        Problem = {Line, Reason};
        return false;
    }

    // The next line that is not a comment is the text; an empty line is an
    // empty text.
    bool ReadText(int Number)
    {
        std::string Line;
        for (;;) {
            if (Reader.AtEnd()) {
                // As the loader leaves it: the last comment line read, if any.
                Pack.Slot(Number) = DecodeEscapes(Line);
                return Fail(Reader.LinesRead(), "the file ends before text " + std::to_string(Number) + " (" +
                                                    TLanguagePack::SlotName(Number) + ")");
            }
            Line = Reader.ReadLine();
            if (Line.empty() || Line[0] != '#')
                break;
        }
        Pack.Slot(Number) = DecodeEscapes(Line);
        return true;
    }

    LineReader Reader;
    TLanguagePack& Pack;
};

}  // namespace

std::string& TLanguagePack::Slot(int Number)
{
    return this->*EntryOf(Number).Member;
}

const std::string& TLanguagePack::Slot(int Number) const
{
    return this->*EntryOf(Number).Member;
}

const char* TLanguagePack::SlotName(int Number)
{
    return EntryOf(Number).Name;
}

bool TLanguagePack::Parse(ByteSource& Source, TPackProblem* Problem)
{
    Loader Load(Source, *this);
    bool Ok = Load.Run();
    if (Problem)
        *Problem = Load.Problem;
    return Ok;
}

bool TLanguagePack::LoadFile(const std::string& Path, TPackProblem* Problem)
{
    FileSource File;
    if (!File.Open(Path)) {
        if (Problem)
            *Problem = {0, "the file cannot be opened"};
        return false;
    }
    try {
        return Parse(File, Problem);
    } catch (const ReadError&) {
        if (Problem)
            *Problem = {0, "the file cannot be read"};
        return false;
    }
}

bool IsLanguagePack(ByteSource& Source)
{
    LineReader Reader(Source);
    std::string Line;
    if (!Reader.AtEnd())
        Line = Reader.ReadLine();
    // Only a real header makes the second line worth reading whole.
    if (Line != Header || Reader.AtEnd())
        return false;
    return VersionProblem(Reader.ReadLine()) == nullptr;
}

bool IsLanguagePack(const std::string& Path)
{
    FileSource File;
    if (!File.Open(Path))
        return false;
    try {
        return IsLanguagePack(File);
    } catch (const ReadError&) {
        return false;
    }
}

std::string DecodeEscapes(const std::string& Line)
{
    std::string Text;
    Text.reserve(Line.size());
    for (std::size_t I = 0; I < Line.size(); ++I) {
        char C = Line[I];
        if (C != '\\' || I + 1 == Line.size()) {
            Text += C;
            continue;
        }
        char Next = Line[++I];
        switch (Next) {
        case '#':
        case ':':
        case '\\':
            Text += Next;
            break;
        case 'n':
            Text += "\r\n";
            break;
        default:
            Text += C;
            Text += Next;
            break;
        }
    }
    return Text;
}
