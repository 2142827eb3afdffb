#include "vcl/forms/message_dialogs.h"

#include "vcl/forms/application.h"
#include "vcl/forms/dialog_service.h"

std::string MessageDlgCaption(TMsgDlgType dlgType) {
    switch (dlgType) {
        case mtWarning: return "Warning";
        case mtError: return "Error";
        case mtInformation: return "Information";
        case mtConfirmation: return "Confirm";
        case mtCustom: break;
    }
    return Application->Title();
}

TModalResult MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx) {
    (void)helpCtx;
    return DialogService().ShowMessageQuestion({MessageDlgCaption(dlgType), msg, dlgType, buttons});
}

void ShowMessage(const std::string& msg) {
    DialogService().ShowMessageQuestion({Application->Title(), msg, mtCustom, TMsgDlgButtons{mbOK}});
}

int32_t MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    return DialogService().ShowMessageQuestion(
        {caption, text, TypeOfMessageBoxFlags(flags), ButtonsOfMessageBoxFlags(flags)});
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    std::string answer = value;
    if (!DialogService().AskInput({caption, prompt, value}, answer)) return false;
    value = answer;
    return true;
}
