#pragma once
// A window's layout as data: the form's own properties and one row per
// control, in tab order (creation order is tab order). Positions and sizes
// are at 96 DPI, relative to the parent's client area; the layer scales them.
#include <cstdint>
#include <span>

enum class TControlKind : std::uint8_t {
    Label,        // text; "&" marks an access key that focuses the next control
    Button,       // push button
    RadioButton,  // automatic radio button; one group per parent
    Edit,         // single-line edit
    Memo,         // read-only multi-line text box
    GroupBox,     // frame with a caption; its rows' positions are relative to it
    ListBox,      // sorted, extended selection
    TreeView,     // with lines and buttons, no in-place editing
    ProgressBar,  // range 0..100
    Picture,      // a bitmap scaled to the control's size
    Bevel,        // sunken horizontal line
    Panel,        // borderless container of further rows
};

namespace LayoutFlag {
enum : std::uint32_t {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Default = 1u << 2,    // button pressed by Enter (when no button has the focus)
    Cancel = 1u << 3,     // button pressed by Esc
    AutoSize = 1u << 4,   // label sized to its text
    NoWordWrap = 1u << 5, // memo: horizontal scroll bar, lines not wrapped
};
}

struct TControlRow {
    const char* Name;
    int Id;
    TControlKind Kind;
    int ParentId;  // 0: the form itself; else a panel or a group box of this layout
    int Left, Top, Width, Height;
    std::uint32_t Flags;
    const char* Text;  // design text
};

enum class TFormBorder : std::uint8_t {
    Dialog,          // fixed size, caption, system menu with close box
    DialogNoSysMenu, // fixed size, caption, no title-bar buttons
    None,            // no border, no caption
};

struct TFormLayout {
    const char* Caption;
    int ClientWidth, ClientHeight;  // at 96 DPI
    TFormBorder Border;
    std::span<const TControlRow> Controls;
};
