#pragma once
// The application object: its title, the forms it owns, the message loop.
#include "Window.h"

#include <memory>
#include <string>
#include <vector>

class TForm;

class TApplication {
public:
    // The caption of the error box and the text of the task-bar button.
    std::string Title;

    // Initialises the common controls and makes the application window,
    // which owns every form.
    void Initialize();

    // Creates a form once; it lives until Run ends. The first form created
    // is the main form: the program ends when it closes.
    template <typename Form>
    Form* CreateForm()
    {
        auto Created = std::make_unique<Form>();
        Form* Result = Created.get();
        Forms.push_back(std::move(Created));
        if (!MainForm)
            MainForm = Result;
        return Result;
    }

    // Shows the main form and runs the message loop until it has closed,
    // then destroys the forms, the last created first.
    void Run();
    // Gets and handles one message; false when the program is to end (the
    // quit message is posted again, so that every enclosing loop ends too).
    bool ProcessMessage();
    // Ends the message loop.
    void Terminate();

    HWND Handle() const { return AppWindow ? AppWindow->Handle() : nullptr; }
    TForm* GetMainForm() const { return MainForm; }

private:
    std::unique_ptr<TWindow> AppWindow;
    std::vector<std::unique_ptr<TForm>> Forms;
    TForm* MainForm = nullptr;
};

extern TApplication Application;
