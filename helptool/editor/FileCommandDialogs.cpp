#include "editor/FileCommandDialogs.h"

#include "vcl/forms/com_controls.h"
#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/message_dialogs.h"

namespace {

std::optional<std::string> ChooseFile(TOpenDialog& dialog, const std::string& filter, const std::string& defaultExt) {
    dialog.SetFilter(filter);
    dialog.SetDefaultExt(defaultExt);
    if (!dialog.Execute()) return std::nullopt;
    return dialog.FileName();
}

}  // namespace

bool TFileCommandDialogs::AskYesNo(const std::string& text) {
    return MessageDlg(text, mtConfirmation, mbYesNo) == mrYes;
}

std::optional<std::string> TFileCommandDialogs::ChooseFileToOpen(const std::string& filter,
                                                                 const std::string& defaultExt) {
    TOpenDialog dialog(nullptr);
    return ChooseFile(dialog, filter, defaultExt);
}

std::optional<std::string> TFileCommandDialogs::ChooseFileToSave(const std::string& filter,
                                                                 const std::string& defaultExt) {
    TSaveDialog dialog(nullptr);
    return ChooseFile(dialog, filter, defaultExt);
}

void TFileCommandDialogs::SetStatusText(const std::string& text) { statusBar_.SetSimpleText(text); }
