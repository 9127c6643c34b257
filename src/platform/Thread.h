#pragma once
// A worker thread that does no window or file work itself: it hands each
// piece of work, a step, to the user-interface thread and waits for it.
//
// How it works
// - A TThread is created on the user-interface thread. That thread owns a
//   hidden message-only window; Synchronize posts a message to it and waits.
//   Every message loop of the thread dispatches it (our own loop, the modal
//   loops of dialogs and of message boxes), so a step runs whichever loop
//   the user-interface thread is in.
// - Everything the two threads share lives in one control block, guarded by
//   its mutex: the step being handed over and its state, the suspend and
//   stop requests, and whether the worker has ended. The worker reads the
//   results of a step only after the handover has said it is done, so data
//   written inside a step needs no lock of its own.
// - Suspend is cooperative: the worker pauses before it hands over its next
//   step. A step already handed over may still run.
// - Terminate sets Terminated for the worker's body to test. A worker that
//   is suspended, or waits for a step that has not started, is released at
//   once: its Synchronize throws TThreadStopped, which ends the body (the
//   entry catches it). No step starts after Terminate.
// - The user-interface side speaks to a worker only through a TThreadHandle,
//   which shares the control block, so that Terminate or WaitFor on a worker
//   that has ended, even one that freed itself, is harmless.
// - An exception thrown by a step is carried back and thrown again in the
//   worker by Synchronize.
#include <functional>
#include <memory>

class TThreadControl;

// What the body of a worker sees when the thread has been told to stop
// while it was waiting.
struct TThreadStopped {};

class TThreadHandle {
public:
    TThreadHandle() = default;

    void Suspend();
    void Resume();
    // Suspend was called and Resume not since: the worker starts no step.
    bool Suspended() const;
    void Terminate();
    // Waits until the worker's body has ended, serving steps meanwhile when
    // called on the user-interface thread.
    void WaitFor();
    bool Ended() const;
    explicit operator bool() const { return static_cast<bool>(Control); }

private:
    friend class TThread;
    explicit TThreadHandle(std::shared_ptr<TThreadControl> Control) : Control(std::move(Control)) {}
    std::shared_ptr<TThreadControl> Control;
};

class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // When set before Start, the object deletes itself when its body ends;
    // nothing may touch it after Start then, except through its handle.
    bool FreeOnTerminate = false;

    // Starts the body on its own thread.
    void Start();
    TThreadHandle Handle() const { return TThreadHandle(Control); }

    bool Terminated() const;

protected:
    // The body, on the worker thread.
    virtual void Execute() = 0;
    // Runs Step on the user-interface thread and waits until it has run.
    void Synchronize(const std::function<void()>& Step);

private:
    static void Run(TThread* Self, std::shared_ptr<TThreadControl> Control);
    std::shared_ptr<TThreadControl> Control;
};
