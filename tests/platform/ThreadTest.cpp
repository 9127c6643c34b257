#include "Thread.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <vector>

namespace {

// Serves the user-interface thread's messages until Done() or the time is up.
template <class Predicate>
bool PumpUntil(Predicate Done, int Milliseconds = 10000)
{
    DWORD Start = GetTickCount();
    while (!Done()) {
        if (GetTickCount() - Start > static_cast<DWORD>(Milliseconds))
            return false;
        MSG Message;
        while (PeekMessageA(&Message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&Message);
            DispatchMessageA(&Message);
        }
        Sleep(1);
    }
    return true;
}

void PumpFor(int Milliseconds)
{
    PumpUntil([] { return false; }, Milliseconds);
}

// Stops a worker and waits for it when a test ends, however it ends, so
// that no worker outlives the objects of its test.
struct StopOnExit {
    TThreadHandle& Handle;
    ~StopOnExit()
    {
        Handle.Terminate();
        Handle.WaitFor();
    }
};

// A worker of a given number of steps, each recording where it ran.
class CountingThread : public TThread {
public:
    explicit CountingThread(int Steps, std::atomic<bool>* Destroyed = nullptr) : Steps(Steps), Destroyed(Destroyed) {}
    ~CountingThread() override
    {
        if (Destroyed)
            *Destroyed = true;
    }

    int Steps;
    std::atomic<bool>* Destroyed;
    std::vector<DWORD> RanOn;  // touched only inside steps
    std::atomic<int> Done{0};
    std::atomic<bool> StoppedSeen{false};
    std::function<void(int)> Inside = [](int) {};

protected:
    void Execute() override
    {
        try {
            for (int I = 0; I < Steps; ++I) {
                Synchronize([&] {
                    RanOn.push_back(GetCurrentThreadId());
                    Inside(I);
                });
                ++Done;
            }
        } catch (const TThreadStopped&) {
            StoppedSeen = true;
            throw;
        }
    }
};

TEST(Thread, StepsRunOnTheUserInterfaceThreadInOrder)
{
    CountingThread Worker(5);
    TThreadHandle Handle = Worker.Handle();
    StopOnExit Guard{Handle};
    Worker.Start();
    ASSERT_TRUE(PumpUntil([&] { return Handle.Ended(); }));
    ASSERT_EQ(Worker.RanOn.size(), 5u);
    for (DWORD Id : Worker.RanOn)
        EXPECT_EQ(Id, GetCurrentThreadId());
    EXPECT_EQ(Worker.Done, 5);
}

// The message box of the next test closes itself once the worker has ended.
TThreadHandle* Watched;
void CALLBACK CloseBoxWhenEnded(HWND, UINT, UINT_PTR, DWORD)
{
    if (!Watched->Ended())
        return;
    if (HWND Box = FindWindowA(nullptr, "ThreadTest box"))
        PostMessageA(Box, WM_COMMAND, IDOK, 0);
}

TEST(Thread, StepsRunInsideAMessageBoxLoop)
{
    CountingThread Worker(3);
    TThreadHandle Handle = Worker.Handle();
    StopOnExit Guard{Handle};
    Watched = &Handle;
    UINT_PTR Timer = SetTimer(nullptr, 0, 20, CloseBoxWhenEnded);
    Worker.Start();
    MessageBoxA(nullptr, "Waiting for the worker", "ThreadTest box", MB_OK);
    KillTimer(nullptr, Timer);
    EXPECT_TRUE(Handle.Ended());
    EXPECT_EQ(Worker.RanOn.size(), 3u);
}

TEST(Thread, SuspendPausesBeforeTheNextStepAndResumeGoesOn)
{
    CountingThread Worker(3);
    TThreadHandle Handle = Worker.Handle();
    StopOnExit Guard{Handle};
    Worker.Inside = [&](int I) {
        if (I == 0)
            Handle.Suspend();
    };
    Worker.Start();
    ASSERT_TRUE(PumpUntil([&] { return Worker.Done == 1; }));
    PumpFor(300);
    EXPECT_EQ(Worker.RanOn.size(), 1u) << "no step may start while suspended";
    Handle.Resume();
    ASSERT_TRUE(PumpUntil([&] { return Handle.Ended(); }));
    EXPECT_EQ(Worker.RanOn.size(), 3u);
}

TEST(Thread, TerminateReleasesASuspendedWorkerThatFreesItself)
{
    std::atomic<bool> Destroyed{false};
    auto* Worker = new CountingThread(3, &Destroyed);
    Worker->FreeOnTerminate = true;
    TThreadHandle Handle = Worker->Handle();
    Worker->Inside = [&](int) { Handle.Suspend(); };
    Worker->Start();
    ASSERT_TRUE(PumpUntil([&] { return Worker->Done == 1; }));
    Handle.Terminate();
    Handle.WaitFor();
    EXPECT_TRUE(Destroyed);
    // The object is gone; its handle still answers, and stopping it again is harmless.
    EXPECT_TRUE(Handle.Ended());
    Handle.Terminate();
    Handle.Resume();
    Handle.WaitFor();
}

TEST(Thread, AStepNotYetStartedNeverRunsAfterTerminate)
{
    CountingThread Worker(1);
    TThreadHandle Handle = Worker.Handle();
    StopOnExit Guard{Handle};
    Worker.Start();
    // The step is posted but this thread serves no messages yet.
    Sleep(200);
    Handle.Terminate();
    Handle.WaitFor();  // serves the posted step's message: it is skipped
    PumpFor(100);
    EXPECT_TRUE(Worker.RanOn.empty());
    EXPECT_TRUE(Worker.StoppedSeen);
}

class ThrowingThread : public TThread {
public:
    std::atomic<bool> Caught{false};

protected:
    void Execute() override
    {
        try {
            Synchronize([] { throw std::runtime_error("Cannot open Setup.d01"); });
        } catch (const std::runtime_error& Error) {
            Caught = std::string(Error.what()) == "Cannot open Setup.d01";
        }
    }
};

TEST(Thread, AnExceptionOfAStepIsThrownInTheWorker)
{
    ThrowingThread Worker;
    TThreadHandle Handle = Worker.Handle();
    StopOnExit Guard{Handle};
    Worker.Start();
    ASSERT_TRUE(PumpUntil([&] { return Handle.Ended(); }));
    EXPECT_TRUE(Worker.Caught);
}

}  // namespace
