#include "vcl/forms/scripted_dialogs.h"

#include "vcl/forms/form.h"

const char* DialogKindName(TDialogKind kind) {
    switch (kind) {
        case TDialogKind::dkMessage: return "message box";
        case TDialogKind::dkInput: return "input box";
        case TDialogKind::dkOpenFile: return "open dialog";
        case TDialogKind::dkSaveFile: return "save dialog";
        case TDialogKind::dkFont: return "font dialog";
        case TDialogKind::dkColor: return "colour dialog";
        case TDialogKind::dkModalForm: return "modal form";
    }
    return "dialog";
}

TAskedDialog& TAskedDialog::operator=(const TAskedDialog& other) {
    Kind = other.Kind;
    Caption = other.Caption;
    Text = other.Text;
    DlgType = other.DlgType;
    Buttons = other.Buttons;
    Value = other.Value;
    File = other.File;
    Font.Assign(&other.Font);
    Color = other.Color;
    return *this;
}

TScriptedDialogs& TScriptedDialogs::Queue(Scripted answer) {
    answers_.push_back(std::move(answer));
    return *this;
}

TScriptedDialogs& TScriptedDialogs::Answer(TModalResult result) {
    Scripted a(TDialogKind::dkMessage);
    a.result = result;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::AnswerInput(const std::string& text) {
    Scripted a(TDialogKind::dkInput);
    a.text = text;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::CancelInput() {
    Scripted a(TDialogKind::dkInput);
    a.confirmed = false;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::AnswerFile(const std::string& windowsPath, int filterIndex) {
    Scripted a(TDialogKind::dkOpenFile);
    a.text = windowsPath;
    a.filterIndex = filterIndex;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::CancelFile() {
    Scripted a(TDialogKind::dkOpenFile);
    a.confirmed = false;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::AnswerFont(const TFont& font) {
    Scripted a(TDialogKind::dkFont);
    a.fontName = font.Name();
    a.fontSize = font.Size();
    a.color = font.Color();
    a.fontStyle = font.Style();
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::CancelFont() {
    Scripted a(TDialogKind::dkFont);
    a.confirmed = false;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::AnswerColor(TColor color) {
    Scripted a(TDialogKind::dkColor);
    a.color = color;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::CancelColor() {
    Scripted a(TDialogKind::dkColor);
    a.confirmed = false;
    return Queue(a);
}

TScriptedDialogs& TScriptedDialogs::AnswerForm(std::function<void(TForm&)> action) {
    Scripted a(TDialogKind::dkModalForm);
    a.formAction = std::move(action);
    return Queue(a);
}

const TAskedDialog& TScriptedDialogs::Asked(int index) const {
    if (index < 0 || index >= AskedCount()) {
        throw EDialogScript("Dialog " + std::to_string(index) + " was not asked; " + std::to_string(AskedCount()) +
                            " were");
    }
    return asked_[static_cast<size_t>(index)];
}

const TAskedDialog& TScriptedDialogs::LastAsked() const { return Asked(AskedCount() - 1); }

std::vector<std::string> TScriptedDialogs::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& asked : asked_) {
        if (asked.Kind == TDialogKind::dkMessage) texts.push_back(asked.Caption + ": " + asked.Text);
    }
    return texts;
}

TScriptedDialogs::Scripted TScriptedDialogs::Take(const TAskedDialog& question, TDialogKind answerKind) {
    asked_.push_back(question);
    const std::string described = std::string(DialogKindName(question.Kind)) + " \"" + question.Caption + "\": \"" +
                                  question.Text + "\"";
    if (answers_.empty()) throw EDialogScript("No scripted answer left for the " + described);
    Scripted answer = answers_.front();
    if (answer.kind != answerKind) {
        throw EDialogScript("The next scripted answer is for a " + std::string(DialogKindName(answer.kind)) +
                            ", but the program asked the " + described);
    }
    answers_.pop_front();
    return answer;
}

TModalResult TScriptedDialogs::ShowMessageQuestion(const TMessageQuestion& question) {
    TAskedDialog asked;
    asked.Kind = TDialogKind::dkMessage;
    asked.Caption = question.Caption;
    asked.Text = question.Text;
    asked.DlgType = question.DlgType;
    asked.Buttons = question.Buttons;
    const Scripted answer = Take(asked, TDialogKind::dkMessage);
    for (int b = mbYes; b <= mbYesToAll; ++b) {
        const auto button = static_cast<TMsgDlgBtn>(b);
        if (question.Buttons.Contains(button) && ModalResultOf(button) == answer.result) return answer.result;
    }
    throw EDialogScript(std::string("The scripted answer ") + ModalResultName(answer.result) +
                        " is not a button of the message box \"" + question.Caption + "\": \"" + question.Text + "\"");
}

bool TScriptedDialogs::AskInput(const TInputQuestion& question, std::string& value) {
    TAskedDialog asked;
    asked.Kind = TDialogKind::dkInput;
    asked.Caption = question.Caption;
    asked.Text = question.Prompt;
    asked.Value = question.Value;
    const Scripted answer = Take(asked, TDialogKind::dkInput);
    if (answer.confirmed) value = answer.text;
    return answer.confirmed;
}

bool TScriptedDialogs::ChooseFile(const TFileQuestion& question, TFileAnswer& result) {
    TAskedDialog asked;
    asked.Kind = question.Save ? TDialogKind::dkSaveFile : TDialogKind::dkOpenFile;
    asked.Caption = question.Title;
    asked.Text = question.Filter;
    asked.Value = question.FileName;
    asked.File = question;
    const Scripted answer = Take(asked, TDialogKind::dkOpenFile);
    if (answer.confirmed) {
        result.FileName = answer.text;
        result.FilterIndex = answer.filterIndex;
    }
    return answer.confirmed;
}

bool TScriptedDialogs::ChooseFont(TFont& font) {
    TAskedDialog asked;
    asked.Kind = TDialogKind::dkFont;
    asked.Font.Assign(&font);
    const Scripted answer = Take(asked, TDialogKind::dkFont);
    if (!answer.confirmed) return false;
    font.SetName(answer.fontName);
    font.SetSize(answer.fontSize);
    font.SetColor(answer.color);
    font.SetStyle(answer.fontStyle);
    return true;
}

bool TScriptedDialogs::ChooseColor(TColor& color) {
    TAskedDialog asked;
    asked.Kind = TDialogKind::dkColor;
    asked.Color = color;
    const Scripted answer = Take(asked, TDialogKind::dkColor);
    if (answer.confirmed) color = answer.color;
    return answer.confirmed;
}

bool TScriptedDialogs::DriveModalForm(TForm& form) {
    TAskedDialog asked;
    asked.Kind = TDialogKind::dkModalForm;
    asked.Caption = form.Caption();
    asked.Text = form.Name();
    const Scripted answer = Take(asked, TDialogKind::dkModalForm);
    answer.formAction(form);
    if (form.ModalResult() == mrNone) {
        throw EDialogScript("The scripted action left the modal form \"" + form.Caption() + "\" open");
    }
    return true;
}
