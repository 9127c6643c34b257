#pragma once
// A folder of its own with a copy of Setup.exe and the language packs a
// test needs beside it, removed with everything in it at the end.
#include <string>
#include <vector>

class TSetupFolder {
public:
    // Packs are names of the product's packs ("English"), copied as
    // Name.lng; LEXOVANT_SETUP_EXE and LEXOVANT_PACKS say where they lie.
    explicit TSetupFolder(const std::vector<std::string>& Packs);
    ~TSetupFolder();
    TSetupFolder(const TSetupFolder&) = delete;
    TSetupFolder& operator=(const TSetupFolder&) = delete;

    const std::string& Path() const { return Dir; }
    std::string SetupExe() const { return Dir + "\\Setup.exe"; }
    // A file beside Setup.exe with these bytes.
    void Write(const std::string& Name, const std::string& Bytes) const;
    // The bytes of one of the product's packs.
    static std::string PackBytes(const std::string& Pack);

private:
    std::string Dir;
};
