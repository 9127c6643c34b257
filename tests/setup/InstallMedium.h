#pragma once
// An installation medium of its own for a test: Setup.exe and the shipped
// language packs in a folder, with the product (the demonstration files and
// the stand-in programs, plus whatever the test adds) packed into data
// volumes beside them.
#include "SetupFolder.h"

#include <cstdint>
#include <string>
#include <vector>

class TInstallMedium {
public:
    // Extra: files added to the product, name ("\" between levels) and size;
    // their bytes are a fixed pattern. VolumeSize: the largest volume.
    struct TExtraFile {
        std::string Name;
        std::int64_t Size;
    };
    explicit TInstallMedium(const std::vector<TExtraFile>& Extra = {}, std::int64_t VolumeSize = 100000);
    ~TInstallMedium();
    TInstallMedium(const TInstallMedium&) = delete;
    TInstallMedium& operator=(const TInstallMedium&) = delete;

    const std::string& Dir() const { return Folder.Path(); }
    std::string SetupExe() const { return Folder.SetupExe(); }
    // The product's files as packed: relative names in volume order.
    const std::vector<std::string>& Files() const { return Names; }
    // Where each file's original lies.
    std::string Source(const std::string& Name) const;
    std::size_t VolumeCount() const { return Volumes; }

private:
    TSetupFolder Folder{{"English", "Nederlands"}};
    std::string ProductDir;
    std::vector<std::string> Names;
    std::size_t Volumes = 0;
};
