#include "VolumeChain.h"

#include "FileError.h"
#include "Unit_DataFile.h"
#include "Unit_Paths.h"

#include <algorithm>
#include <memory>

std::string VolumeFileName(int Number)
{
    return (Number < 10 ? "Setup.d0" : "Setup.d") + std::to_string(Number);
}

std::int32_t ReadTotalSize(TDataFile& First)
{
    std::int32_t Total = 0;
    if (!First.ReadLong(Total))
        throw FileError("Damaged volume", First.Name(), "it is too short to hold the total size");
    if (Total < 0)
        throw FileError("Damaged volume", First.Name(), "its total size is negative");
    return Total;
}

void AddNextVolume(std::vector<int>& Read, int Next, const std::string& Namer)
{
    if (std::find(Read.begin(), Read.end(), Next) != Read.end())
        throw FileError("Damaged volume", Namer,
                        "it names " + VolumeFileName(Next) + ", which was read before, as the next volume");
    Read.push_back(Next);
}

TChainResult ExtractChain(const std::string& MediumDir, TLogFile& Log, const std::string& TargetDir,
                          TDataFileOutput& Output, std::int32_t StepBudget, bool Strict)
{
    auto Open = [&](int Number) {
        return std::make_unique<TDataFile>(CombinePath(MediumDir, VolumeFileName(Number)), Log, TargetDir, Output);
    };
    TChainResult Result;
    Result.Volumes.push_back(1);
    std::unique_ptr<TDataFile> Volume = Open(1);
    Result.TotalSize = ReadTotalSize(*Volume);

    bool OverwriteAll = false;
    std::int64_t Sum = 0;
    StepBudget = std::max<std::int32_t>(StepBudget, 1);
    while (Sum < Result.TotalSize) {
        std::int32_t Done = 0;
        if (!Volume->CopyFiles(StepBudget, OverwriteAll, Done))
            return Result;
        Sum += Done;
        // The volume's data ran out before the step's budget: on to the next.
        if (Done < StepBudget && Sum < Result.TotalSize) {
            std::int32_t Next = 0;
            Volume->ReadByte(Next);
            AddNextVolume(Result.Volumes, Next, Volume->Name());
            Volume.reset();
            Volume = Open(Next);
        }
    }
    if (Strict) {
        if (Output.BytesLeft > 0)
            throw FileError("Damaged volume", Volume->Name(),
                            "the total size ends " + std::to_string(Output.BytesLeft) + " bytes before the end of " +
                                Output.OutputPath);
        // Entries of length 0 after the last data byte are taken; anything
        // else there would never be extracted.
        std::int32_t Done = 0;
        if (!Volume->CopyFiles(0, OverwriteAll, Done))
            return Result;
        if (Volume->HoldsData())
            throw FileError("Damaged volume", Volume->Name(), "it holds data after the total size is reached");
    }
    Result.Completed = true;
    return Result;
}
