#pragma once
// The extraction worker's body: the order of its steps and the progress
// arithmetic. The steps themselves do the work wherever Run carries them out
// (the user-interface thread); this only sequences them and keeps the count.
//
// Progress: a hundred steps of TotalSize div 100 bytes (at least one byte,
// so that a total below 100 still ends), the last step taking what is left;
// within a step the volumes change as often as needed. After every step
// that leaves data still due, the bar moves one position.
//
// A step's copying is handed over in pieces of at most PieceBytes bytes
// (and, inside CopyPiece, of a bounded time), so that the user-interface
// thread serves painting and input between pieces however large a step is.
// The piece that ends a step moves the bar itself when it may, saving a
// handover per step; otherwise StepProgress follows on its own.
#include <cstdint>
#include <functional>

// What the steps tell the sequence. Written only inside steps; read by the
// sequence only after Run has returned.
struct TExtractCounts {
    std::int32_t TotalSize = 0;
    std::int32_t StepDone = 0;       // bytes copied by the last piece
    bool BarMoved = false;           // the last piece moved the bar
    bool VolumeExhausted = false;    // the current volume has no data left
    bool CopyAborted = false;        // the user gave up at an overwrite prompt
    bool VolumeMissing = false;      // the user gave up at the volume prompt
};

class TExtractSteps {
public:
    virtual ~TExtractSteps() = default;
    virtual void InitExtraction() = 0;                      // opens Setup.d01, reads TotalSize
    // At most Budget bytes. With EndsStep, copying all of Budget ends a
    // progress step after which data is still due: the piece then moves the
    // bar as StepProgress would and sets BarMoved, unless the worker is
    // held (its next step must wait, and so must the bar).
    virtual void CopyPiece(std::int32_t Budget, bool EndsStep) = 0;
    virtual void NextVolume() = 0;                          // the next volume, asking for it if missing
    virtual void StepProgress() = 0;                        // the bar one position on
    virtual void FinishOk() = 0;
    virtual void FinishCancel() = 0;
};

struct TExtractSequence {
    TExtractSteps& Steps;
    TExtractCounts& Counts;
    // Carries a step out and waits for it.
    std::function<void(const std::function<void()>&)> Run;
    // The worker has been asked to stop.
    std::function<bool()> Terminated;
    std::int32_t PieceBytes = 4 * 1024 * 1024;

    void Execute();

private:
    // One progress step's copying, volume changes included. False when the
    // extraction was given up.
    bool CopyBudget(std::int32_t Budget, std::int64_t& Sum);
};
