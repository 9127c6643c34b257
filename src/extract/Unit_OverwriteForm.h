#pragma once
// The modal overwrite prompt. For now only its window.
#include "Form.h"

class TOverwriteForm : public TForm {
public:
    TOverwriteForm();
};

extern TOverwriteForm* OverwriteForm;
