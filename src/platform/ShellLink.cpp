#include "ShellLink.h"

#include "SystemMessage.h"

#include <vector>

namespace {

std::wstring Wide(const std::string& Ansi)
{
    int Length = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), nullptr, 0);
    std::wstring Text(Length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), Text.data(), Length);
    return Text;
}

}  // namespace

TShellLink::TShellLink()
{
    TComPtr<IUnknown> Object;
    HRESULT Result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                      IID_IUnknown, Object.Receive());
    if (FAILED(Result))
        throw TComError(SystemMessage(static_cast<DWORD>(Result)), Result);
    if (FAILED(Object->QueryInterface(IID_IShellLinkA, Link.Receive())) ||
        FAILED(Object->QueryInterface(IID_IPersistFile, File.Receive())))
        throw TComError("Interface not supported", E_NOINTERFACE);
}

HRESULT TShellLink::SetPath(const std::string& Target)
{
    return Link->SetPath(Target.c_str());
}

HRESULT TShellLink::SetWorkingDirectory(const std::string& Directory)
{
    return Link->SetWorkingDirectory(Directory.c_str());
}

HRESULT TShellLink::Save(const std::string& Path)
{
    return File->Save(Wide(Path).c_str(), FALSE);
}

HRESULT TShellLink::Load(const std::string& Path)
{
    return File->Load(Wide(Path).c_str(), STGM_READ);
}

std::string TShellLink::Path() const
{
    std::vector<char> Buffer(MAX_PATH + 1);
    if (FAILED(Link->GetPath(Buffer.data(), static_cast<int>(Buffer.size()), nullptr, SLGP_RAWPATH)))
        return {};
    return Buffer.data();
}

std::string TShellLink::WorkingDirectory() const
{
    std::vector<char> Buffer(MAX_PATH + 1);
    if (FAILED(Link->GetWorkingDirectory(Buffer.data(), static_cast<int>(Buffer.size()))))
        return {};
    return Buffer.data();
}
