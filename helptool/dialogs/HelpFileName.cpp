#include "dialogs/WindowSetup.h"
#include "model/HelpProject.h"
#include "vcl/forms/message_dialogs.h"

void AskHelpFileName(THelpProject& project) {
    TGlobals& globals = project.Globals;
    const std::string name = InputBox("Help File Name", "Enter the name of the help file.", globals.HelpFileName);
    if (!name.empty()) globals.HelpFileName = name;
    globals.Modified = true;
}
