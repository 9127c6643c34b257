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

class TDataFile;

// The total size at the start of the first volume. A volume too short to
// hold it, or a negative one, is damaged: it would end as a success with
// nothing installed.
std::int32_t ReadTotalSize(TDataFile& First);

// Next, named as the next volume by the volume Namer, joins Read, the
// numbers of the volumes read so far. A volume read before would be read
// again and again: the chain is damaged.
void AddNextVolume(std::vector<int>& Read, int Next, const std::string& Namer);

struct TChainResult {
    bool Completed = false;        // false: the user gave up at a prompt
    std::int32_t TotalSize = 0;
    std::vector<int> Volumes;      // the numbers of the volumes read, in order
};

// Extracts the whole chain in MediumDir into TargetDir in steps of at most
// StepBudget data bytes, as the extraction does, logging every file. A
// damaged total size, a volume named twice, a missing volume and a damaged
// entry are FileErrors. Strict also refuses what extraction would pass
// over: data left after the last file, a file left incomplete.
TChainResult ExtractChain(const std::string& MediumDir, TLogFile& Log, const std::string& TargetDir,
                          TDataFileOutput& Output, std::int32_t StepBudget, bool Strict);
