#pragma once
// The controls of our forms, each a thin class over one Win32 control.
#include "Control.h"
#include "Dpi.h"
#include "Handles.h"

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// Static text; word-wrapped at a fixed size, or sized to its text.
class TLabel : public TControl {
public:
    TLabel(const TControlRow& Row, const TPlacement& Placement);
    void SetText(const std::string& Text) override;

private:
    void FitToText();
};

class TButton : public TControl {
public:
    TButton(const TControlRow& Row, const TPlacement& Placement);
    std::function<void()> OnClick;
    bool IsDefault() const { return Row().Flags & LayoutFlag::Default; }
    bool IsCancel() const { return Row().Flags & LayoutFlag::Cancel; }
    // Presses the button as a click would, when it is visible and enabled.
    void Press();
    void Command(int NotifyCode) override;
};

// An automatic radio button: the buttons of one parent form one group.
class TRadioButton : public TControl {
public:
    TRadioButton(const TControlRow& Row, const TPlacement& Placement, bool FirstOfGroup);
    std::function<void()> OnClick;
    bool Checked() const;
    void SetChecked(bool Checked);
    void Command(int NotifyCode) override;
};

class TEdit : public TControl {
public:
    TEdit(const TControlRow& Row, const TPlacement& Placement);
};

// Read-only multi-line text box with a vertical scroll bar; with the
// NoWordWrap flag also a horizontal one, and lines are not wrapped.
class TMemo : public TControl {
public:
    TMemo(const TControlRow& Row, const TPlacement& Placement);
};

class TGroupBox : public TControl {
public:
    TGroupBox(const TControlRow& Row, const TPlacement& Placement);
};

class TBevel : public TControl {
public:
    TBevel(const TControlRow& Row, const TPlacement& Placement);
};

// A borderless container; the notifications of its controls go on to the form.
class TPanel : public TControl {
public:
    TPanel(const TControlRow& Row, const TPlacement& Placement);
};

// The position changes at once; the bar is painted at most every
// RepaintInterval, always up to its latest position. (The system's control
// paints itself in full on every change, which costs more than a step of
// the work it shows.)
class TProgressBar : public TControl {
public:
    static constexpr std::chrono::milliseconds RepaintInterval{100};

    TProgressBar(const TControlRow& Row, const TPlacement& Placement);
    void SetPosition(int Position);
    int Position() const;
    void SetStep(int Step);
    void StepIt();

protected:
    LRESULT ControlProc(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    // Sends Message with the control's own repaint held back, then has the
    // bar repainted now or once the interval since the last one is over.
    void Change(UINT Message, WPARAM WParam);
    void Repaint();
    // The part of the bar that shows the positions From to To.
    RECT SpanBetween(int From, int To) const;

    std::chrono::steady_clock::time_point LastRepaint{};
    bool RepaintWaiting = false;  // the timer will repaint
    int PaintedPosition = 0;      // the position at the last repaint
    bool WholeDue = false;        // the whole bar was due for a repaint
};

// Sorted list with extended selection, items of a fixed height.
class TListBox : public TControl {
public:
    enum class TMouseButton { Left, Right, Middle };
    TListBox(const TControlRow& Row, const TPlacement& Placement, const TScale& Scale);

    void Add(const std::string& Item);
    int Count() const;
    std::string Item(int Index) const;
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Selected);
    // The entry at a point of the client area, or -1 below the last entry.
    int ItemAt(POINT Point) const;
    // The pointer shape over the list; null keeps the class's own.
    void SetCursor(HCURSOR Cursor);

    // Input handlers; the list's own handling of a press comes first.
    std::function<void(char& Key)> OnKeyPress;
    std::function<void(TMouseButton, WPARAM Keys, int X, int Y)> OnMouseDown, OnMouseUp;
    std::function<void(WPARAM Keys, int X, int Y)> OnMouseMove;

protected:
    LRESULT ControlProc(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    HCURSOR Cursor = nullptr;
};

// Tree view with lines and buttons; node texts cannot be edited in place.
class TTreeView : public TControl {
public:
    TTreeView(const TControlRow& Row, const TPlacement& Placement, const TScale& Scale);
    // Not owned: the form keeps the image list.
    void SetImages(HIMAGELIST Images);
    void Clear();
    // A node after the last child of Parent (a root node when Parent is
    // null), with the given images when shown and when selected.
    HTREEITEM Add(HTREEITEM Parent, const std::string& Text, int Image, int SelectedImage);
    std::string NodeText(HTREEITEM Node) const;
    HTREEITEM ParentOf(HTREEITEM Node) const;
    void Expand(HTREEITEM Node);
    std::function<void(HTREEITEM Node)> OnChange;
    LRESULT Notify(const NMHDR& Header) override;
};

// A picture that fills the control; set from JPEG bytes. Bytes that do
// not decode leave it blank.
class TPicture : public TControl {
public:
    TPicture(const TControlRow& Row, const TPlacement& Placement);
    // False when the bytes are not a decodable JPEG (the picture is blank then).
    bool SetJpeg(const void* Data, std::size_t Size);

private:
    TOwnedBitmap Bitmap;
};

std::unique_ptr<TControl> MakeControl(const TControlRow& Row, const TControl::TPlacement& Placement,
                                      const TScale& Scale, bool FirstOfGroup);
