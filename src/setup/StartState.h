#pragma once
// What the main window's creation finds out: a previous installation,
// through its uninstall entry and its Install.log, or else the default
// installation directory and program folder.
#include "SetupPars.h"

// Sets Page, the previous installation's fields, InstallDir and ProgFolder.
// Start-up always finishes: keys that cannot be opened with full access,
// values that are missing or not strings, and an Install.log that cannot be
// opened or read all count as absent.
void FindPreviousInstallation(TSetupPars& Pars);
