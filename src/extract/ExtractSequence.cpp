#include "ExtractSequence.h"

#include <algorithm>

void TExtractSequence::Execute()
{
    Run([&] { Steps.InitExtraction(); });
    std::int64_t Sum = 0;
    const std::int64_t Total = Counts.TotalSize;
    const std::int32_t Budget = std::max<std::int32_t>(1, Counts.TotalSize / 100);
    while (Sum < Total) {
        if (!CopyBudget(static_cast<std::int32_t>(std::min<std::int64_t>(Budget, Total - Sum)), Sum)) {
            Run([&] { Steps.FinishCancel(); });
            return;
        }
        if (Sum < Total && !Counts.BarMoved)
            Run([&] { Steps.StepProgress(); });
    }
    Run([&] { Steps.FinishOk(); });
}

bool TExtractSequence::CopyBudget(std::int32_t Budget, std::int64_t& Sum)
{
    const std::int64_t Total = Counts.TotalSize;
    while (Budget > 0) {
        std::int32_t Piece = std::min(Budget, PieceBytes);
        bool EndsStep = Piece == Budget && Sum + Budget < Total;
        Run([&] { Steps.CopyPiece(Piece, EndsStep); });
        if (Counts.CopyAborted || Terminated())
            return false;
        Budget -= Counts.StepDone;
        Sum += Counts.StepDone;
        if (Budget > 0 && Counts.VolumeExhausted) {
            Run([&] { Steps.NextVolume(); });
            if (Counts.VolumeMissing)
                return false;
        }
    }
    return true;
}
