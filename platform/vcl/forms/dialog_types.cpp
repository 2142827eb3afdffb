#include "vcl/forms/dialog_types.h"

TModalResult ModalResultOf(TMsgDlgBtn button) {
    switch (button) {
        case mbYes: return mrYes;
        case mbNo: return mrNo;
        case mbOK: return mrOk;
        case mbCancel: return mrCancel;
        case mbAbort: return mrAbort;
        case mbRetry: return mrRetry;
        case mbIgnore: return mrIgnore;
        case mbAll: return mrAll;
        case mbNoToAll: return mrNoToAll;
        case mbYesToAll: return mrYesToAll;
        case mbHelp: return mrNone;
    }
    return mrNone;
}

const char* ButtonCaption(TMsgDlgBtn button) {
    switch (button) {
        case mbYes: return "Yes";
        case mbNo: return "No";
        case mbOK: return "OK";
        case mbCancel: return "Cancel";
        case mbAbort: return "Abort";
        case mbRetry: return "Retry";
        case mbIgnore: return "Ignore";
        case mbAll: return "All";
        case mbNoToAll: return "No to All";
        case mbYesToAll: return "Yes to All";
        case mbHelp: return "Help";
    }
    return "";
}

const char* ModalResultName(TModalResult result) {
    static const char* const names[] = {"mrNone", "mrOk",  "mrCancel", "mrAbort",   "mrRetry",   "mrIgnore",
                                        "mrYes",  "mrNo", "mrAll",    "mrNoToAll", "mrYesToAll"};
    return result >= 0 && result <= mrYesToAll ? names[result] : "(custom result)";
}

TMsgDlgButtons ButtonsOfMessageBoxFlags(uint32_t flags) {
    switch (flags & 0xF) {
        case MB_OKCANCEL: return mbOKCancel;
        case MB_ABORTRETRYIGNORE: return mbAbortRetryIgnore;
        case MB_YESNOCANCEL: return mbYesNoCancel;
        case MB_YESNO: return mbYesNo;
        case MB_RETRYCANCEL: return TMsgDlgButtons{mbRetry, mbCancel};
        default: return TMsgDlgButtons{mbOK};
    }
}

TMsgDlgType TypeOfMessageBoxFlags(uint32_t flags) {
    switch (flags & 0xF0) {
        case MB_ICONHAND: return mtError;
        case MB_ICONQUESTION: return mtConfirmation;
        case MB_ICONEXCLAMATION: return mtWarning;
        case MB_ICONASTERISK: return mtInformation;
        default: return mtCustom;
    }
}
