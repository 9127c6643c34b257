#pragma once
// One shell-link object with its IShellLinkA and IPersistFile interfaces.
// The same object can save several links one after the other.
#include "ComPtr.h"

#include <shlobj.h>

#include <stdexcept>
#include <string>

// The shell-link object could not be made, or lacks an interface.
class TComError : public std::runtime_error {
public:
    TComError(const std::string& Message, HRESULT Code) : std::runtime_error(Message), Code(Code) {}
    HRESULT Code;
};

class TShellLink {
public:
    // Needs COM on the calling thread.
    TShellLink();

    // Each returns the call's own result; callers decide what a failure means.
    HRESULT SetPath(const std::string& Target);
    HRESULT SetWorkingDirectory(const std::string& Directory);
    // Path is in the ANSI code page; the link file is replaced when it exists.
    HRESULT Save(const std::string& Path);

    // Reading a link back.
    HRESULT Load(const std::string& Path);
    std::string Path() const;
    std::string WorkingDirectory() const;

private:
    TComPtr<IShellLinkA> Link;
    TComPtr<IPersistFile> File;
};
