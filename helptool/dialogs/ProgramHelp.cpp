#include "dialogs/AboutScreen.h"
#include "vcl/forms/application.h"

void OpenProgramHelp(const std::string& helpFile) {
    Application->SetHelpFile(helpFile);
    Application->HelpJump("Overview");
}
