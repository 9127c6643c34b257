#pragma once
// The chain of data volumes: Setup.d01, then each volume named by the last
// byte of the one before it.
#include <cstdint>
#include <string>
#include <vector>

class TLogFile;
struct TDataFileOutput;

// "Setup.d0" + N below 10, "Setup.d" + N otherwise (2: Setup.d02, 123:
// Setup.d123).
std::string VolumeFileName(int Number);

struct TChainResult {
    bool Completed = false;        // false: the user gave up at a prompt
    std::int32_t TotalSize = 0;
    std::vector<int> Volumes;      // the numbers of the volumes read, in order
};

// Extracts the whole chain in MediumDir into TargetDir in steps of at most
// StepBudget data bytes, as the extraction does, logging every file. A
// volume named twice, a missing volume and a damaged entry are FileErrors.
// Strict also refuses what extraction would pass over: a negative
// TotalSize, data left after the last file, a file left incomplete.
TChainResult ExtractChain(const std::string& MediumDir, TLogFile& Log, const std::string& TargetDir,
                          TDataFileOutput& Output, std::int32_t StepBudget, bool Strict);
