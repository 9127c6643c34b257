#pragma once
// Removal of a previous installation, as its Install.log records it: every
// recorded file and shortcut that is still unchanged is deleted, the
// directories this empties are removed, then the old log and the old
// install directory; leftover verb keys of the word-list association go
// first.
#include <windows.h>

#include <string>

class TRegistry;

// Opens Path below Reg's root without creating it; when it opens and has
// neither sub-keys nor values, deletes it.
void DeleteKeyIfEmpty(TRegistry& Reg, const std::string& Path);
// Opens Path without creating it; when it opens, deletes its default value
// (a missing one is no matter), then goes on as DeleteKeyIfEmpty.
void DeleteCommandKey(TRegistry& Reg, const std::string& Path);

// PrevInstallDir holds the old Install.log; PrevProgFolder is the program
// folder that log names, relative to the current user's Start-menu Programs
// folder. Owner is the window that shell questions belong to.
//
// A file counts as unchanged when its stamp equals the recorded one or the
// recorded one is 0; in a log without stamp lines every file counts as
// unchanged; an entry whose stamp line is empty (a run stopped while the
// file was written) is left in place. Entries that would reach outside
// their section's folder (absolute, with a drive, a "." or ".." component)
// are skipped, directories are only removed below the section's folder,
// and no junction or symbolic link is followed or removed.
//
// A log that cannot be read raises FileError or ReadError, a stamp line
// that is not a decimal integer ConvertError; the log is read whole before
// anything is deleted, so nothing but the verb keys is touched then, and
// the log stays.
void RemovePreviousInstallation(HWND Owner, const std::string& PrevInstallDir, const std::string& PrevProgFolder);
