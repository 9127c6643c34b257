#pragma once
// A top-level window made from a layout: created once, shown, hidden and
// shown modally as often as needed, destroyed when the application ends.
//
// Keys: Enter presses the focused push button, or else the first visible,
// enabled default button; when there is none, the focused control gets the
// key as usual. Esc presses the first visible, enabled cancel button. Tab,
// the arrow keys and access keys move the focus as in a dialog.
//
// Closing: a close request (close box, system menu, Alt+F4, Close) on a
// modal form sets the modal result Cancel; on any other form it asks
// FormCloseQuery and, when allowed, runs FormClose and hides the form; the
// main form's close ends the program. Setting the modal result of a modal
// form ends its modal loop through FormCloseQuery and FormClose; when
// FormCloseQuery refuses, the result is cleared and the form stays open.
#include "Controls.h"
#include "Dpi.h"
#include "Handles.h"
#include "Layout.h"
#include "Window.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Modal results shared by every dialog.
enum : int {
    ModalNone = 0,
    ModalOk = 1,      // OK, Yes, Resume
    ModalCancel = 2,  // Cancel, No, Exit; also the close box
    ModalYesToAll = 3,
};

class TForm : public TWindow {
public:
    explicit TForm(const TFormLayout& Layout);
    // Destroys the window (and with it every control window) before the
    // control objects go.
    ~TForm() override;

    // Runs FormShow, then shows the form in front and activates it.
    void Show();
    void Hide();
    bool Visible() const;
    // Shows the form while every other window of the program is disabled,
    // until a modal result is set; returns that result.
    int ShowModal();
    void SetModalResult(int Result);
    int ModalResult() const { return Result; }
    // A close request, as the close box makes it.
    void Close();

    void SetCaption(const std::string& Caption);
    const TScale& Scale() const { return ScaleValue; }

    template <typename Control>
    Control& Find(int Id) const
    {
        for (const auto& Each : Controls)
            if (Each->Id() == Id)
                if (auto* Found = dynamic_cast<Control*>(Each.get()))
                    return *Found;
        throw std::logic_error("A form has no control of that id and kind");
    }

    // Focuses a control now, or when this form is next activated.
    void FocusControl(HWND Control);
    // The keys that this form handles itself (see above); true when done.
    bool PreTranslate(MSG& Message);
    // The form that a window belongs to, or null.
    static TForm* Of(HWND Window);

protected:
    virtual void FormShow() {}
    virtual void FormCloseQuery(bool& /*CanClose*/) {}
    virtual void FormClose() {}
    LRESULT WindowProc(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    TControl* ControlOf(HWND Window) const;
    TButton* FirstButton(bool (TButton::*Role)() const) const;
    bool DialogKey(const MSG& Message);
    void EndModal();

    TScale ScaleValue;
    TOwnedFont Font;
    std::vector<std::unique_ptr<TControl>> Controls;
    HWND ActiveControl = nullptr;  // gets the focus when the form is activated
    bool Modal = false;
    int Result = ModalNone;
};
