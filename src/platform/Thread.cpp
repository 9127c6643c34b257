#include "Thread.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

namespace {

constexpr UINT RunStepMessage = WM_APP + 0x5E;
const char* const SyncWindowClass = "LexovantSyncWindow";

LRESULT CALLBACK SyncWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// The message-only window of one user-interface thread. It lives as long as
// that thread; steps posted to it run in whatever loop the thread is in.
class TSyncWindow {
public:
    TSyncWindow()
    {
        WNDCLASSA Class{};
        Class.lpfnWndProc = SyncWindowProc;
        Class.hInstance = GetModuleHandleA(nullptr);
        Class.lpszClassName = SyncWindowClass;
        RegisterClassA(&Class);  // fails harmlessly when already registered
        Window = CreateWindowExA(0, SyncWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 Class.hInstance, nullptr);
        if (!Window)
            throw std::runtime_error("Cannot create the window that serves worker threads: error " +
                                     std::to_string(GetLastError()));
    }
    ~TSyncWindow() { DestroyWindow(Window); }
    TSyncWindow(const TSyncWindow&) = delete;
    TSyncWindow& operator=(const TSyncWindow&) = delete;

    HWND Window;
};

// Created on first use by each thread that creates workers.
HWND SyncWindowOfThisThread()
{
    thread_local TSyncWindow Sync;
    return Sync.Window;
}

}  // namespace

class TThreadControl {
public:
    enum class StepState { None, Pending, Running, Done, Abandoned };

    explicit TThreadControl(HWND SyncWindow, DWORD UiThreadId) : SyncWindow(SyncWindow), UiThreadId(UiThreadId) {}

    const HWND SyncWindow;
    const DWORD UiThreadId;

    std::mutex Lock;
    std::condition_variable Changed;
    bool Suspended = false;
    bool Terminated = false;
    bool Ended = false;
    StepState State = StepState::None;
    const std::function<void()>* Step = nullptr;
    std::exception_ptr StepError;

    // On the user-interface thread: runs the pending step unless the worker
    // gave up waiting for it.
    void RunPendingStep()
    {
        std::unique_lock<std::mutex> Guard(Lock);
        if (State != StepState::Pending)
            return;
        State = StepState::Running;
        const std::function<void()>* Current = Step;
        Guard.unlock();
        std::exception_ptr Error;
        try {
            (*Current)();
        } catch (...) {
            Error = std::current_exception();
        }
        Guard.lock();
        StepError = Error;
        State = StepState::Done;
        Changed.notify_all();
    }
};

namespace {

LRESULT CALLBACK SyncWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message != RunStepMessage)
        return DefWindowProcA(Window, Message, WParam, LParam);
    // The message carries its own reference, so the control block outlives
    // a worker that ended meanwhile.
    std::unique_ptr<std::shared_ptr<TThreadControl>> Control(reinterpret_cast<std::shared_ptr<TThreadControl>*>(LParam));
    (*Control)->RunPendingStep();
    return 0;
}

}  // namespace

TThread::TThread()
    : Control(std::make_shared<TThreadControl>(SyncWindowOfThisThread(), GetCurrentThreadId()))
{
}

TThread::~TThread() = default;

void TThread::Start()
{
    std::thread(Run, this, Control).detach();
}

void TThread::Run(TThread* Self, std::shared_ptr<TThreadControl> Control)
{
    try {
        Self->Execute();
    } catch (...) {
        // TThreadStopped ends the body as asked; anything else a body lets
        // escape must not take the process down with it.
    }
    if (Self->FreeOnTerminate)
        delete Self;
    std::lock_guard<std::mutex> Guard(Control->Lock);
    Control->Ended = true;
    Control->Changed.notify_all();
}

bool TThread::Terminated() const
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    return Control->Terminated;
}

void TThread::Synchronize(const std::function<void()>& Step)
{
    std::unique_lock<std::mutex> Guard(Control->Lock);
    Control->Changed.wait(Guard, [&] { return !Control->Suspended || Control->Terminated; });
    if (Control->Terminated)
        throw TThreadStopped{};
    Control->Step = &Step;
    Control->StepError = nullptr;
    Control->State = TThreadControl::StepState::Pending;
    auto* Message = new std::shared_ptr<TThreadControl>(Control);
    if (!PostMessageA(Control->SyncWindow, RunStepMessage, 0, reinterpret_cast<LPARAM>(Message))) {
        delete Message;
        Control->State = TThreadControl::StepState::None;
        throw TThreadStopped{};
    }
    Control->Changed.wait(Guard, [&] {
        return Control->State == TThreadControl::StepState::Done ||
               (Control->State == TThreadControl::StepState::Pending && Control->Terminated);
    });
    if (Control->State == TThreadControl::StepState::Pending) {
        // Stopped before the step began: it never will.
        Control->State = TThreadControl::StepState::Abandoned;
        throw TThreadStopped{};
    }
    Control->State = TThreadControl::StepState::None;
    if (std::exception_ptr Error = std::exchange(Control->StepError, nullptr))
        std::rethrow_exception(Error);
}

void TThreadHandle::Suspend()
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    Control->Suspended = true;
}

void TThreadHandle::Resume()
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    Control->Suspended = false;
    Control->Changed.notify_all();
}

bool TThreadHandle::Suspended() const
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    return Control->Suspended;
}

void TThreadHandle::Terminate()
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    Control->Terminated = true;
    Control->Changed.notify_all();
}

bool TThreadHandle::Ended() const
{
    std::lock_guard<std::mutex> Guard(Control->Lock);
    return Control->Ended;
}

void TThreadHandle::WaitFor()
{
    // On the user-interface thread the worker may be waiting for a step:
    // keep serving them until it ends.
    bool OnUiThread = GetCurrentThreadId() == Control->UiThreadId;
    for (;;) {
        {
            std::unique_lock<std::mutex> Guard(Control->Lock);
            if (!OnUiThread) {
                Control->Changed.wait(Guard, [&] { return Control->Ended; });
                return;
            }
            if (Control->Changed.wait_for(Guard, std::chrono::milliseconds(10), [&] { return Control->Ended; }))
                return;
        }
        MSG Message;
        while (PeekMessageA(&Message, Control->SyncWindow, RunStepMessage, RunStepMessage, PM_REMOVE))
            DispatchMessageA(&Message);
    }
}
