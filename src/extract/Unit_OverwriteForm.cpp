#include "Unit_OverwriteForm.h"

#include "OverwriteForm.layout.h"
#include "Unit_LanguagePack.h"

TOverwriteForm* OverwriteForm = nullptr;

TOverwriteForm::TOverwriteForm()
    : TForm(OverwriteFormLayout::Form),
      OverwriteLabel(Find<TLabel>(OverwriteFormId::OverwriteLabel)),
      YesButton(Find<TButton>(OverwriteFormId::YesButton)),
      YesToAllButton(Find<TButton>(OverwriteFormId::YesToAllButton)),
      NoButton(Find<TButton>(OverwriteFormId::NoButton))
{
    YesButton.OnClick = [this] { YesButtonClick(); };
    YesToAllButton.OnClick = [this] { YesToAllButtonClick(); };
    NoButton.OnClick = [this] { NoButtonClick(); };
}

void TOverwriteForm::ApplyTexts(const TLanguagePack& Pack)
{
    SetCaption(Pack.OverwriteCaptionText);
    YesButton.SetText(Pack.YesButtonText);
    YesToAllButton.SetText(Pack.YesToAllButtonText);
    NoButton.SetText(Pack.NoButtonText);
}

void TOverwriteForm::YesButtonClick()
{
    SetModalResult(ModalOk);
}

void TOverwriteForm::YesToAllButtonClick()
{
    SetModalResult(ModalYesToAll);
}

void TOverwriteForm::NoButtonClick()
{
    SetModalResult(ModalCancel);
}
