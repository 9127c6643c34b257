#pragma once
// The modal extraction progress dialog. For now only its window.
#include "Form.h"

class TExtractForm : public TForm {
public:
    TExtractForm();
};

extern TExtractForm* ExtractForm;
