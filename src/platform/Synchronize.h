#pragma once
// How a worker thread has work done on the user-interface thread.
//
// Synchronize(Call), called on a worker thread:
//   1. puts the call, a slot for an exception and an event into a record on
//      the worker's own stack;
//   2. posts SynchronizeMessage with the record's address to the
//      application window, which belongs to the user-interface thread;
//   3. waits for the event.
// Every message loop on the user-interface thread dispatches posted
// messages to all of the thread's windows: the application's own loop, the
// modal loop of ShowModal and the loops inside MessageBoxA and other system
// dialogs. So the call runs on the user-interface thread wherever that
// thread waits for input, also while a modal form or a message box is open.
// The window procedure runs the call, keeps an exception that it throws,
// and sets the event; the worker then rethrows that exception itself.
// The worker never touches a window; no lock is needed, because the record
// is used by one thread at a time: by the worker before posting and after
// the event, by the user-interface thread in between.
// If the application window is gone, posting fails and Synchronize throws
// rather than wait for ever. Called on the user-interface thread itself,
// it runs the call at once.
#include "Window.h"

#include <functional>

inline constexpr UINT SynchronizeMessage = WM_APP + 1;

class TSynchronizeWindow : public TWindow {
public:
    explicit TSynchronizeWindow(const char* Title);
    void Synchronize(const std::function<void()>& Call);

protected:
    LRESULT WindowProc(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    DWORD UiThread;
};
