#pragma once
// TBaseQuorvelForm: the base of the setup's dialog forms (wizard pages,
// progress windows). It knows the install object it belongs to and the
// language its texts are in, and translates itself through the main
// translator:
//
// TranslateForm: fonts first (AutoSetFont), into TranslateIntoLanguage
// when OverrideMainTranslator is set, else into the translator's language;
// then texts (AutoTranslate), from CurrentLanguage into the same target,
// keeping the language the translator reports as CurrentLanguage; then
// pending window messages run. Without a translator nothing changes.
//
// A created form uses character set 0 for its font and joins the open-forms
// registry; it leaves the registry when destroyed.

#include <string>

#include "support/translator_entry.h"
#include "vcl/forms/form.h"

class TInstallObject;

class TBaseQuorvelForm : public TForm {
public:
    explicit TBaseQuorvelForm(TComponent* owner);
    ~TBaseQuorvelForm() override;
    std::string ClassName() const override { return "TBaseQuorvelForm"; }

    // Makes the form ready to show; here it translates it.
    virtual void PrepareForm();
    // Pages set their buttons and fields here when they become current.
    virtual void RefreshPage() {}
    virtual void TranslateForm();

    bool AutoSetFont() const { return autoSetFont_; }
    void SetAutoSetFont(bool value) { autoSetFont_ = value; }
    bool AutoTranslate() const { return autoTranslate_; }
    void SetAutoTranslate(bool value) { autoTranslate_ = value; }
    TInstallObject* InstallObject() const { return installObject_; }
    void SetInstallObject(TInstallObject* object);
    TQrvlLanguage CurrentLanguage() const { return currentLanguage_; }
    void SetCurrentLanguage(TQrvlLanguage language) { currentLanguage_ = language; }
    bool OverrideMainTranslator() const { return overrideMainTranslator_; }
    void SetOverrideMainTranslator(bool value) { overrideMainTranslator_ = value; }
    TQrvlLanguage TranslateIntoLanguage() const { return translateIntoLanguage_; }
    void SetTranslateIntoLanguage(TQrvlLanguage language) { translateIntoLanguage_ = language; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoSetFont_ = true;
    bool autoTranslate_ = true;
    TInstallObject* installObject_ = nullptr;
    TQrvlLanguage currentLanguage_ = qlEnglish;
    bool overrideMainTranslator_ = false;
    TQrvlLanguage translateIntoLanguage_ = qlUser;
};
