#include "EntryName.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::string Upper(std::string Text)
{
    for (char& C : Text)
        if (C >= 'a' && C <= 'z')
            C = static_cast<char>(C - 'a' + 'A');
    return Text;
}

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension: Windows
// opens the device, whatever directory the name is in.
bool IsDeviceName(const std::string& Component)
{
    std::string Base = Upper(Component.substr(0, Component.find('.')));
    while (!Base.empty() && Base.back() == ' ')
        Base.pop_back();
    if (Base == "CON" || Base == "PRN" || Base == "AUX" || Base == "NUL")
        return true;
    return Base.size() == 4 && (Base.rfind("COM", 0) == 0 || Base.rfind("LPT", 0) == 0) && Base[3] >= '1' &&
           Base[3] <= '9';
}

std::vector<std::string> Components(const std::string& Name)
{
    std::vector<std::string> Parts;
    std::string::size_type Begin = 0;
    for (;;) {
        std::string::size_type End = Name.find('\\', Begin);
        Parts.push_back(Name.substr(Begin, End - Begin));
        if (End == std::string::npos)
            return Parts;
        Begin = End + 1;
    }
}

}  // namespace

std::optional<std::string> UnsafeNameReason(const std::string& Name)
{
    if (Name.empty())
        return "is empty";
    if (Name[0] == '\\' || Name[0] == '/')
        return "is absolute";
    if (Name.size() >= 2 && Name[1] == ':')
        return "names a drive";
    if (Name.find(':') != std::string::npos)
        return "holds a \":\"";
    if (Name.find('/') != std::string::npos)
        return "uses \"/\" as a separator";
    for (unsigned char C : Name)
        if (C < 32 || std::string("<>\"|?*").find(static_cast<char>(C)) != std::string::npos) {
            char Shown[8];
            std::snprintf(Shown, sizeof Shown, C < 32 ? "\\x%02X" : "%c", C);
            return std::string("holds the character ") + Shown + ", which Windows forbids in names";
        }
    for (const std::string& Part : Components(Name)) {
        if (Part.empty())
            return "has an empty component";
        if (Part == "." || Part == "..")
            return "has a \"" + Part + "\" component";
        if (Part.back() == '.' || Part.back() == ' ')
            return "has a component that ends in a dot or a blank";
        if (IsDeviceName(Part))
            return "has the device name " + Part + " as a component";
    }
    if (Upper(Name) == "INSTALL.LOG")
        return "would replace the install log";
    return std::nullopt;
}

std::string PrintableName(const std::string& Name)
{
    std::string Shown;
    for (unsigned char C : Name) {
        if (C < 32 || C == 127) {
            char Hex[8];
            std::snprintf(Hex, sizeof Hex, "\\x%02X", C);
            Shown += Hex;
        } else {
            Shown += static_cast<char>(C);
        }
    }
    return Shown;
}
