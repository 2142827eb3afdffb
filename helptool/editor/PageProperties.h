#pragma once
// TfrmPageProperties, "Page Properties": the name, topic ID, topic title and
// index keywords of one page. EditPageProperties fills it from the page,
// shows it and, however it is closed, copies the four fields back.

#include "vcl/forms/form.h"

class TEdit;
class TPageObject;

class TfrmPageProperties : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TfrmPageProperties"; }
    static void Register();

    TEdit& edtName() const;
    TEdit& edtTopicID() const;
    TEdit& edtTopicTitle() const;
    TEdit& edtIndexKeywords() const;
};

extern const char* const kPagePropertiesForm;

void EditPageProperties(TPageObject& page, TComponent* owner);
