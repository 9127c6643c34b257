#include "VolumePrompt.h"

#include "Placeholder.h"
#include "Unit_LanguagePack.h"

#include <windows.h>

namespace {

// The system's message box, with its two buttons captioned from the pack
// as soon as the box exists and before it is shown.
struct TCaptionHook {
    static inline thread_local const TLanguagePack* Pack = nullptr;
    static inline thread_local HHOOK Hook = nullptr;

    static LRESULT CALLBACK Proc(int Code, WPARAM WParam, LPARAM LParam)
    {
        if (Code == HCBT_ACTIVATE && Pack) {
            HWND Box = reinterpret_cast<HWND>(WParam);
            SetDlgItemTextA(Box, IDOK, Pack->OkButtonText.c_str());
            SetDlgItemTextA(Box, IDCANCEL, Pack->CancelButtonText.c_str());
            Pack = nullptr;  // only the box itself, not windows it may open
        }
        return CallNextHookEx(Hook, Code, WParam, LParam);
    }

    explicit TCaptionHook(const TLanguagePack& Texts)
    {
        Pack = &Texts;
        Hook = SetWindowsHookExA(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~TCaptionHook()
    {
        if (Hook)
            UnhookWindowsHookEx(Hook);
        Hook = nullptr;
        Pack = nullptr;
    }
    TCaptionHook(const TCaptionHook&) = delete;
    TCaptionHook& operator=(const TCaptionHook&) = delete;
};

}  // namespace

std::string VolumePromptText(const std::string& DiskText, int VolumeNumber)
{
    return ReplacePlaceholder(DiskText, "%dn%", std::to_string(VolumeNumber));
}

bool AskForVolume(const std::string& Text)
{
    const TLanguagePack& Pack = *LanguagePack;
    MessageBeep(MB_ICONQUESTION);
    int Answer;
    {
        TCaptionHook Captions(Pack);
        Answer = MessageBoxA(GetActiveWindow(), Text.c_str(), Pack.DiskCaptionText.c_str(),
                             MB_OKCANCEL | MB_ICONQUESTION);
    }
    return Answer == IDCANCEL;
}
