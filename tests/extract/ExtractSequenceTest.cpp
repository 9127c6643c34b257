#include "ExtractSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A chain of volumes holding given amounts of file data; steps only count.
class FakeChain : public TExtractSteps {
public:
    FakeChain(std::int32_t Total, std::vector<std::int32_t> Volumes, TExtractCounts& Counts)
        : Total(Total), Volumes(std::move(Volumes)), Counts(Counts) {}

    void InitExtraction() override
    {
        Log += "init ";
        Counts.TotalSize = Total;
        Counts.VolumeExhausted = Volumes.empty() || Volumes[0] == 0;
    }
    void CopyPiece(std::int32_t Budget, bool EndsStep) override
    {
        ++Pieces;
        LargestPiece = std::max(LargestPiece, Budget);
        std::int32_t Left = Volumes[Volume] - Position;
        std::int32_t Count = std::min({Left, Budget, SlowPieceLimit});
        Position += Count;
        Copied += Count;
        Counts.StepDone = Count;
        Counts.VolumeExhausted = Position == Volumes[Volume];
        Counts.CopyAborted = AbortAtPiece == Pieces;
        Counts.BarMoved = EndsStep && Count == Budget && !Held;
        if (Counts.BarMoved)
            ++Progress;
    }
    void NextVolume() override
    {
        Log += "volume ";
        if (Volume + 1 == static_cast<int>(Volumes.size()) || MissingVolume == Volume + 2) {
            Counts.VolumeMissing = true;
            return;
        }
        ++Volume;
        Position = 0;
    }
    void StepProgress() override { ++Progress; }
    void FinishOk() override { Log += "ok"; }
    void FinishCancel() override { Log += "cancel"; }

    std::int32_t Total;
    std::vector<std::int32_t> Volumes;
    TExtractCounts& Counts;
    int Volume = 0;
    std::int32_t Position = 0;
    std::int64_t Copied = 0;
    int Pieces = 0;
    std::int32_t LargestPiece = 0;
    int Progress = 0;
    int AbortAtPiece = -1;
    int MissingVolume = -1;
    std::int32_t SlowPieceLimit = INT32_MAX;  // a piece cut short by its time limit
    bool Held = false;                        // pieces may not move the bar
    std::string Log;
};

struct Extraction {
    Extraction(std::int32_t Total, std::vector<std::int32_t> Volumes) : Chain(Total, std::move(Volumes), Counts) {}
    void Go(std::int32_t PieceBytes = 4 * 1024 * 1024, bool Stop = false)
    {
        TExtractSequence Sequence{Chain, Counts,
                                  [this](const std::function<void()>& Step) {
                                      ++Handovers;
                                      Step();
                                  },
                                  [Stop] { return Stop; }, PieceBytes};
        Sequence.Execute();
    }
    TExtractCounts Counts;
    FakeChain Chain;
    int Handovers = 0;
};

TEST(ExtractSequence, ProgressStepsByTheRemainderOfTheTotal)
{
    struct Case {
        std::int32_t Total;
        int Progress;
    } const Cases[] = {
        {10000, 99},   // a multiple of 100 leaves the bar at 99
        {10050, 100},  // a remainder up to one step is a 101st step without a move
        {100, 99},
        {150, 149},    // B = 1: the remainder exceeds a step, 150 steps
        {250, 124},    // B = 2: 125 steps
        {1, 0},
        {50, 49},      // below 100: steps of one byte, and the extraction ends
        {99, 98},
    };
    for (const Case& C : Cases) {
        Extraction R(C.Total, {C.Total});
        R.Go();
        EXPECT_EQ(R.Chain.Progress, C.Progress) << C.Total;
        EXPECT_EQ(R.Chain.Copied, C.Total) << C.Total;
        EXPECT_EQ(R.Chain.Log, "init ok") << C.Total;
    }
}

TEST(ExtractSequence, AnEmptyTotalClosesWithOkAtOnce)
{
    Extraction R(0, {0});
    R.Go();
    EXPECT_EQ(R.Chain.Log, "init ok");
    EXPECT_EQ(R.Chain.Pieces, 0);
}

TEST(ExtractSequence, VolumesChangeInsideSteps)
{
    // 1000 bytes over three volumes; steps of 10 end exactly at the end of the
    // first volume, so the next step finds it exhausted and changes volume.
    Extraction R(1000, {250, 250, 500});
    R.Go();
    EXPECT_EQ(R.Chain.Log, "init volume volume ok");
    EXPECT_EQ(R.Chain.Copied, 1000);
    EXPECT_EQ(R.Chain.Progress, 99);

    // A file spanning three volumes inside one step.
    Extraction Small(1000, {3, 3, 994});
    Small.Go();
    EXPECT_EQ(Small.Chain.Log, "init volume volume ok");
    EXPECT_EQ(Small.Chain.Progress, 99);
}

TEST(ExtractSequence, StepsAreHandedOverInBoundedPieces)
{
    Extraction R(100000, {60000, 40000});
    R.Go(300);
    EXPECT_LE(R.Chain.LargestPiece, 300);
    EXPECT_EQ(R.Chain.Copied, 100000);
    EXPECT_EQ(R.Chain.Progress, 99);  // the bar moves by steps, not by pieces
    EXPECT_EQ(R.Chain.Log, "init volume ok");

    // Pieces cut short by their time limit are no volume change.
    Extraction Slow(1000, {1000});
    Slow.Chain.SlowPieceLimit = 3;
    Slow.Go();
    EXPECT_EQ(Slow.Chain.Log, "init ok");
    EXPECT_EQ(Slow.Chain.Copied, 1000);
    EXPECT_EQ(Slow.Chain.Progress, 99);
}

TEST(ExtractSequence, ThePieceThatEndsAStepMovesTheBarUnlessHeld)
{
    struct Case {
        const char* What;
        std::vector<std::int32_t> Volumes;
        std::int32_t PieceBytes;
        std::int32_t SlowPieceLimit;
        bool Held;
        int Handovers;  // init, the pieces, the volume changes, the bar steps of their own, ok
    } const Cases[] = {
        {"one piece a step", {10000}, 1 << 20, INT32_MAX, false, 1 + 100 + 1},
        {"held: the bar steps on its own", {10000}, 1 << 20, INT32_MAX, true, 1 + 100 + 99 + 1},
        {"four pieces a step", {10000}, 25, INT32_MAX, false, 1 + 400 + 1},
        {"pieces cut short by time", {10000}, 1 << 20, 30, false, 1 + 400 + 1},
        // Step 25 ends exactly at the end of the first volume; step 26 finds
        // it exhausted: an empty piece, the change, the piece that ends it.
        {"volume changes", {2500, 7500}, 1 << 20, INT32_MAX, false, 1 + 101 + 1 + 1},
        {"a step across a change", {2550, 7450}, 1 << 20, INT32_MAX, false, 1 + 101 + 1 + 1},
    };
    for (const Case& C : Cases) {
        Extraction R(10000, C.Volumes);
        R.Chain.SlowPieceLimit = C.SlowPieceLimit;
        R.Chain.Held = C.Held;
        R.Go(C.PieceBytes);
        EXPECT_EQ(R.Chain.Progress, 99) << C.What;
        EXPECT_EQ(R.Chain.Copied, 10000) << C.What;
        EXPECT_EQ(R.Handovers, C.Handovers) << C.What;
    }
}

TEST(ExtractSequence, GivingUpEndsWithCancel)
{
    Extraction Aborted(1000, {1000});
    Aborted.Chain.AbortAtPiece = 5;
    Aborted.Go();
    EXPECT_EQ(Aborted.Chain.Log, "init cancel");
    EXPECT_EQ(Aborted.Chain.Pieces, 5);

    Extraction Missing(1000, {300, 700});
    Missing.Chain.MissingVolume = 2;
    Missing.Go();
    EXPECT_EQ(Missing.Chain.Log, "init volume cancel");

    Extraction Stopped(1000, {1000});
    Stopped.Go(4 * 1024 * 1024, true);
    EXPECT_EQ(Stopped.Chain.Log, "init cancel");
}

TEST(ExtractSequence, AChainShorterThanItsTotalAsksForTheNextVolume)
{
    // The last volume's data ends before TotalSize is reached: its last byte
    // names a volume that is not there, and the extraction ends.
    Extraction R(1000, {400});
    R.Go();
    EXPECT_EQ(R.Chain.Log, "init volume cancel");
}

}  // namespace
