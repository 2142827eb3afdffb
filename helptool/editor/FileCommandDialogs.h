#pragma once
// The File menu's questions (model/FileCommands.h) put to the user through
// the dialogs service: Yes/No confirmations, the open and save dialogs,
// and the file name in the main window's status bar.

#include "model/FileCommands.h"

class TStatusBar;

class TFileCommandDialogs : public TFileCommandWindow {
public:
    explicit TFileCommandDialogs(TStatusBar& statusBar) : statusBar_(statusBar) {}

    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter, const std::string& defaultExt) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter, const std::string& defaultExt) override;
    void SetStatusText(const std::string& text) override;

private:
    TStatusBar& statusBar_;
};
