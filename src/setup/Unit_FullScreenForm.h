#pragma once
// The teal background that covers the screen behind the wizard. It takes
// no input.
#include "Form.h"

class TFullScreenForm : public TForm {
public:
    TFullScreenForm();
    // Puts the background at (0, 0), full-screen, at the top of the window
    // order and visible, in one SetWindowPos call.
    void CoverScreen();

protected:
    LRESULT WindowProc(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    TOwnedBrush Teal;
};

extern TFullScreenForm* FullScreenForm;
