#pragma once
// TfrmLinkProperties, "Link Properties": a link's name, the page it leads
// to (chosen from the project's pages only), its hotspot text and whether
// it opens as a popup. EditLinkProperties fills it from the link, shows it
// and, however it is closed, copies the four values back.

#include "vcl/forms/form.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TLinkObject;
class TStrings;

class TfrmLinkProperties : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TfrmLinkProperties"; }
    static void Register();

    TEdit& edtLinkName() const;
    TComboBox& cboPage() const;
    TEdit& edtText() const;
    TCheckBox& chkPopup() const;
};

extern const char* const kLinkPropertiesForm;

// `pageNames` in page-list order; the link's page is selected ignoring
// case, none when no page has its name. Nothing chosen leaves PageName
// empty.
void EditLinkProperties(TLinkObject& link, const TStrings& pageNames, TComponent* owner);
