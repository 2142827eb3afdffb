#include "objects/base_quorvel_form.h"

#include "objects/cmp_TInstallContainer.h"
#include "objects/install_registries.h"
#include "support/pending_messages.h"

TBaseQuorvelForm::TBaseQuorvelForm(TComponent* owner) : TForm(owner) {
    Font()->SetCharset(0);
    OpenForms().Add(this);
}

TBaseQuorvelForm::~TBaseQuorvelForm() { OpenForms().Remove(this); }

void TBaseQuorvelForm::PrepareForm() { TranslateForm(); }

void TBaseQuorvelForm::TranslateForm() {
    if (autoSetFont_) {
        if (overrideMainTranslator_)
            MainSetFontsInto(translateIntoLanguage_, this, false);
        else
            MainSetFonts(this, false);
    }
    if (autoTranslate_)
        currentLanguage_ = overrideMainTranslator_
                               ? MainTranslateComponentInto(currentLanguage_, translateIntoLanguage_, this)
                               : MainTranslateComponent(currentLanguage_, this);
    ProcessPendingMessages();
}

void TBaseQuorvelForm::SetInstallObject(TInstallObject* object) {
    installObject_ = object;
    if (object != nullptr) object->FreeNotification(this);
}

void TBaseQuorvelForm::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove && component != nullptr && component == installObject_) installObject_ = nullptr;
}
