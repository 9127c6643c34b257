#pragma once
// The modal extraction progress dialog. For now its window and controls;
// the extraction fills them.
#include "Form.h"

class TExtractForm : public TForm {
public:
    TExtractForm();

    TProgressBar& ProgressBar;
    TButton& CancelButton;
    TLabel& ExtractLabel;
};

extern TExtractForm* ExtractForm;
