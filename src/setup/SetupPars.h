#pragma once
// The wizard's state, carried from page to page.
#include <cstdint>
#include <string>

struct TSetupPars {
    std::uint8_t Page = 0;           // the page shown, 0..5
    std::string LanguageName;        // the chosen pack's name
    std::string InstallDir;          // absolute, no trailing backslash (a root keeps its own)
    std::string ProgFolder;          // relative to the Start-menu Programs folder
    std::string PrevInstallDir;      // from the uninstall entry
    std::string PrevProgFolder;      // from the previous Install.log
    bool PrevInstallFound = false;   // a previous installation and its program folder were found
    bool CloseWithoutAsking = false; // closing the main window asks nothing
};

extern TSetupPars SetupPars;
