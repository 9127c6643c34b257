#include "Unit_ExtractForm.h"

#include "ExtractForm.layout.h"

TExtractForm* ExtractForm = nullptr;

TExtractForm::TExtractForm() : TForm(ExtractFormLayout::Form) {}
