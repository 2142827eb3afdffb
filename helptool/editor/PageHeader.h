#pragma once
// TfrmPageHeader, "Page Header": the non-scrolling header of one page in a
// rich edit on the header colour, with its own Change Font command (which,
// unlike the page editor's, applies underline as chosen). EditPageHeader
// loads the page's header, shows the window and stores its text back; a
// window left without text gives the page no header.

#include "vcl/forms/form.h"

class TPageObject;
class TRichEdit;

class TfrmPageHeader : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TfrmPageHeader"; }
    static void Register();

    TRichEdit& mmoHeader() const;
    void mnuFontClick(TObject* sender);
};

extern const char* const kPageHeaderForm;

void EditPageHeader(TPageObject& page, TColor headerColor, TComponent* owner);
