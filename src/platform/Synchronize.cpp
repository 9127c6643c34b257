#include "Synchronize.h"

#include "Handles.h"

#include <exception>
#include <stdexcept>

namespace {

struct TSynchronizedCall {
    const std::function<void()>* Call;
    std::exception_ptr Error;
    HANDLE Done;
};

}  // namespace

TSynchronizeWindow::TSynchronizeWindow(const char* Title) : UiThread(GetCurrentThreadId())
{
    // A zero-sized top-level popup: it owns the forms and carries the
    // program's task-bar button with the application title.
    CreateHandle("LexovantApplication", nullptr, 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, Title,
                 0, 0, 0, 0, nullptr);
}

void TSynchronizeWindow::Synchronize(const std::function<void()>& Call)
{
    if (GetCurrentThreadId() == UiThread) {
        Call();
        return;
    }
    TOwnedHandle Done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!Done)
        throw std::runtime_error("Could not create an event for Synchronize");
    TSynchronizedCall Record{&Call, nullptr, Done.Get()};
    if (!PostMessageA(Handle(), SynchronizeMessage, 0, reinterpret_cast<LPARAM>(&Record)))
        throw std::runtime_error("The user-interface thread is gone");
    WaitForSingleObject(Done.Get(), INFINITE);
    if (Record.Error)
        std::rethrow_exception(Record.Error);
}

LRESULT TSynchronizeWindow::WindowProc(UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == SynchronizeMessage) {
        auto* Record = reinterpret_cast<TSynchronizedCall*>(LParam);
        try {
            (*Record->Call)();
        } catch (...) {
            Record->Error = std::current_exception();
        }
        SetEvent(Record->Done);
        return 0;
    }
    return TWindow::WindowProc(Message, WParam, LParam);
}
