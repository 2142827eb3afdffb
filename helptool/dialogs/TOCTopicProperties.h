#pragma once
// The topic properties dialog of the contents editor:
// TfrmTOCTopicProperties with the edit "Name", the drop-down list "Page To
// Link To" (chosen only from the list) and the buttons OK and Cancel.

#include <string>

#include "vcl/forms/form.h"

class TComboBox;
class TEdit;
class TStrings;
class TTocObject;

class TfrmTOCTopicProperties : public TForm {
public:
    explicit TfrmTOCTopicProperties(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TfrmTOCTopicProperties"; }
    static void Register();

    TEdit& NameEdit() const;
    TComboBox& PageList() const;
};

// Shows the dialog for a topic: its Name, and `pageNames` in order with the
// one equal to its PageName (ignoring case) selected, none if absent. OK
// stores the edit's text as Name and the chosen page as PageName (empty
// when none is chosen) and returns true; Cancel changes nothing.
bool EditTopicProperties(TTocObject& topic, const TStrings& pageNames, TComponent* owner);
