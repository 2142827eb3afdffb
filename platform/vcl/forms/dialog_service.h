#pragma once
// The dialogs service: every modal question of the programs (message boxes,
// input boxes, open/save, font and colour dialogs) goes through the one
// service installed here. The Qt service (qt_dialogs.h) shows real
// dialogs and is used when nothing else is installed; tests install a
// scripted service (scripted_dialogs.h) that answers from a queue.
//
// Questions and answers carry ANSI text; file names are Windows paths.

#include <string>

#include "vcl/classes/set.h"
#include "vcl/forms/dialog_types.h"
#include "vcl/forms/graphics.h"

class TForm;

struct TMessageQuestion {
    std::string Caption;
    std::string Text;
    TMsgDlgType DlgType = mtInformation;
    TMsgDlgButtons Buttons{mbOK};
};

struct TInputQuestion {
    std::string Caption;
    std::string Prompt;
    std::string Value;  // the text the box starts with
};

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
    ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
    ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
    ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing,
};
using TOpenOptions = TSet<TOpenOption>;

struct TFileQuestion {
    bool Save = false;
    std::string Title;
    std::string Filter;  // "Help Project|*.qpx|All Files|*.*"
    int FilterIndex = 1;  // 1-based, as the class library counts
    std::string InitialDir;
    std::string FileName;
    std::string DefaultExt;
    TOpenOptions Options;
};

struct TFileAnswer {
    std::string FileName;  // Windows path, as chosen (DefaultExt not yet added)
    int FilterIndex = 1;
};

class TDialogService {
public:
    virtual ~TDialogService() = default;
    // The button pressed, as a modal result (mrCancel when the box was
    // closed without one).
    virtual TModalResult ShowMessageQuestion(const TMessageQuestion& question) = 0;
    // True with `value` set when confirmed.
    virtual bool AskInput(const TInputQuestion& question, std::string& value) = 0;
    virtual bool ChooseFile(const TFileQuestion& question, TFileAnswer& answer) = 0;
    // `font` holds the initial font and receives the chosen one.
    virtual bool ChooseFont(TFont& font) = 0;
    virtual bool ChooseColor(TColor& color) = 0;
    // Lets the service end a modal form in the user's place: true when it
    // did (the form's ModalResult is then set); false lets the user work
    // the form in a real modal loop, as the Qt service does.
    virtual bool DriveModalForm(TForm& form) {
        (void)form;
        return false;
    }
};

// The installed service (the Qt service when none is installed).
TDialogService& DialogService();
// Installs `service` (nullptr: back to the Qt service); returns the one it
// replaces. The caller keeps ownership.
TDialogService* SetDialogService(TDialogService* service);

// Installs a service for the lifetime of the object, then restores the
// previous one.
class TDialogServiceScope {
public:
    explicit TDialogServiceScope(TDialogService& service) : previous_(SetDialogService(&service)) {}
    ~TDialogServiceScope() { SetDialogService(previous_); }
    TDialogServiceScope(const TDialogServiceScope&) = delete;
    TDialogServiceScope& operator=(const TDialogServiceScope&) = delete;

private:
    TDialogService* previous_;
};
