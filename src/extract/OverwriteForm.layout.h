#pragma once
// The overwrite prompt: 315 x 115 at 96 DPI, no title-bar buttons, no
// button for Esc. Rows in tab order.
#include "ControlIds.h"
#include "Layout.h"

namespace OverwriteFormLayout {
using K = TControlKind;
using namespace LayoutFlag;
namespace Id = OverwriteFormId;

inline constexpr TControlRow Controls[] = {
    // name             id                  kind       parent   x    y    w    h  flags
    {"YesButton",       Id::YesButton,      K::Button, 0,      16,  80,  75,  25, 0,       "&Ja"},
    {"YesToAllButton",  Id::YesToAllButton, K::Button, 0,     112,  80,  83,  25, 0,       "Ja voor &alles"},
    {"NoButton",        Id::NoButton,       K::Button, 0,     216,  80,  81,  25, Default, "&Nee"},
    {"OverwriteLabel",  Id::OverwriteLabel, K::Label,  0,      16,  16, 281,  41, 0,       ""},
};

inline constexpr TFormLayout Form = {"", 315, 115, TFormBorder::DialogNoSysMenu, Controls};
}  // namespace OverwriteFormLayout
