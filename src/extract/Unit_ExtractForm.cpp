#include "Unit_ExtractForm.h"

#include "ExtractForm.layout.h"

TExtractForm* ExtractForm = nullptr;

TExtractForm::TExtractForm()
    : TForm(ExtractFormLayout::Form),
      ProgressBar(Find<TProgressBar>(ExtractFormId::ProgressBar)),
      CancelButton(Find<TButton>(ExtractFormId::CancelButton)),
      ExtractLabel(Find<TLabel>(ExtractFormId::ExtractLabel))
{
}
