#pragma once
// TScriptedDialogs: the dialogs service of tests. It answers every question
// from a queue, in order, and records every question asked, so that a test
// can assert the exact captions, texts, buttons and kinds.
//
//   TScriptedDialogs dialogs;
//   TDialogServiceScope use(dialogs);
//   dialogs.Answer(mrYes).AnswerInput("Intro").CancelFile();
//   ... run the code under test ...
//   EXPECT_EQ(dialogs.Asked(0).Text, "Are you sure?");
//
// Modal forms take their turn in the same queue: AnswerForm(action) runs
// `action` on the form once it is shown (set the controls, press a button
// with a ModalResult); an action that leaves the form open raises
// EDialogScript.
//
// A question with no answer left, or whose next answer is of another kind
// (an input answer queued for a message box), raises EDialogScript naming
// the question, instead of waiting for a human.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "vcl/forms/dialog_service.h"
#include "vcl/system/exception.h"

class EDialogScript : public Exception {
public:
    using Exception::Exception;
};

enum class TDialogKind { dkMessage, dkInput, dkOpenFile, dkSaveFile, dkFont, dkColor, dkModalForm };
const char* DialogKindName(TDialogKind kind);

// One recorded question; the fields its kind has are filled.
struct TAskedDialog {
    TDialogKind Kind = TDialogKind::dkMessage;
    std::string Caption;  // message, input or form caption; file title
    std::string Text;     // message text or input prompt
    TMsgDlgType DlgType = mtInformation;
    TMsgDlgButtons Buttons;
    std::string Value;  // input default, initial file name
    TFileQuestion File;
    TFont Font;         // the font the dialog started with (assigned)
    TColor Color = clBlack;

    TAskedDialog() = default;
    TAskedDialog(const TAskedDialog& other) { *this = other; }
    TAskedDialog& operator=(const TAskedDialog& other);
};

class TScriptedDialogs : public TDialogService {
public:
    // Queue answers; each returns *this for chaining.
    TScriptedDialogs& Answer(TModalResult result);
    TScriptedDialogs& AnswerInput(const std::string& text);
    TScriptedDialogs& CancelInput();
    TScriptedDialogs& AnswerFile(const std::string& windowsPath, int filterIndex = 1);
    TScriptedDialogs& CancelFile();
    // The font chosen in the font dialog: `font`'s name, size, colour, style.
    TScriptedDialogs& AnswerFont(const TFont& font);
    TScriptedDialogs& CancelFont();
    TScriptedDialogs& AnswerColor(TColor color);
    TScriptedDialogs& CancelColor();
    TScriptedDialogs& AnswerForm(std::function<void(TForm&)> action);

    int AskedCount() const { return static_cast<int>(asked_.size()); }
    // EDialogScript for an index not asked.
    const TAskedDialog& Asked(int index) const;
    const TAskedDialog& LastAsked() const;
    // "Confirm: Are you sure?" lines, one per message asked, for readable
    // assertions of whole conversations.
    std::vector<std::string> MessageTexts() const;
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }

    TModalResult ShowMessageQuestion(const TMessageQuestion& question) override;
    bool AskInput(const TInputQuestion& question, std::string& value) override;
    bool ChooseFile(const TFileQuestion& question, TFileAnswer& answer) override;
    bool ChooseFont(TFont& font) override;
    bool ChooseColor(TColor& color) override;
    bool DriveModalForm(TForm& form) override;

private:
    struct Scripted {
        explicit Scripted(TDialogKind k) : kind(k) {}
        TDialogKind kind;  // dkOpenFile stands for either file dialog
        bool confirmed = true;
        TModalResult result = mrNone;
        std::string text;
        int filterIndex = 1;
        std::string fontName;
        int32_t fontSize = 0;
        TColor color = clBlack;
        TFontStyles fontStyle;
        std::function<void(TForm&)> formAction;
    };
    TScriptedDialogs& Queue(Scripted answer);
    Scripted Take(const TAskedDialog& question, TDialogKind answerKind);

    std::deque<Scripted> answers_;
    std::vector<TAskedDialog> asked_;
};
