#include "Unit_OverwriteForm.h"

#include "OverwriteForm.layout.h"

TOverwriteForm* OverwriteForm = nullptr;

TOverwriteForm::TOverwriteForm() : TForm(OverwriteFormLayout::Form) {}
