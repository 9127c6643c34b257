#pragma once
// The progress dialog: 363 x 153 at 96 DPI, no title-bar buttons. Rows in
// tab order.
#include "ControlIds.h"
#include "Layout.h"

namespace ExtractFormLayout {
using K = TControlKind;
using namespace LayoutFlag;
namespace Id = ExtractFormId;

inline constexpr TControlRow Controls[] = {
    // name           id                kind            parent   x    y    w    h  flags
    {"ProgressBar",   Id::ProgressBar,  K::ProgressBar, 0,      16,  72, 329,  16, 0,      ""},
    {"CancelButton",  Id::CancelButton, K::Button,      0,     144, 112,  75,  25, Cancel, "Cancel"},
    {"ExtractLabel",  Id::ExtractLabel, K::Label,       0,      16,  16, 329,  49, 0,      ""},
};

inline constexpr TFormLayout Form = {"", 363, 153, TFormBorder::DialogNoSysMenu, Controls};
}  // namespace ExtractFormLayout
