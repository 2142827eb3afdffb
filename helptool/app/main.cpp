// Quillery [PROJECT.qpx]: the help authoring tool. Sets the application
// title, creates the main window (which opens the project named on the
// command line) and runs the message loop.

#include <vector>

#include "editor/CommandLine.h"
#include "editor/MainUnit.h"
#include "vcl/forms/application.h"
#include "win32/paths.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(win32::HostToWindowsPath(argv[i]));
    SetProgramArguments(std::move(arguments));

    EnsureQtApplication();
    Application->SetTitle("Tamsel Technologies Quillery");
    TfrmMainMenu* frmMainMenu = nullptr;
    Application->CreateForm(frmMainMenu);
    Application->Run();
    return 0;
}
