#pragma once
// "Make The Help File" without a window: checks that the project can be
// built, writes the topic file, the contents file and the help project
// next to the project file, named after the help file name, starts the help
// compiler and reports the result. The main window and quillery-make both
// run this, so that both write the same bytes; every message goes to
// `messages` in order.
//
// Once the help file name and the project file name are known to be set,
// the page shown in the editor is committed (THelpProject::CommitAndShow)
// and the build reads the project as it is in memory. A file that cannot
// be created or written raises EInOutError and ends the build there; the
// files already written stay. The build changes nothing of the project.

#include <string>

class IBuildMessages;
class TGlobals;
class THelpProject;

enum class TMakeResult {
    NotRun,     // the help file name or the project file name is missing
    Succeeded,  // "The file was created successfully."
    HadErrors,  // "The file had errors and was not created successfully."
};

struct TMakeOptions {
    bool StartCompiler = true;
    // The folder of the running tool, which holds Tools\hcrtf.exe.
    std::string ProgramFolder;
    // The window that asks for the compiler, or null.
    void* Owner = nullptr;
};

// The path of a generated file: the project file's folder, the help file
// name and `extension` (".qrt", ".cnt", ".qhp").
std::string HelpBuildFileName(const TGlobals& globals, const std::string& extension);

TMakeResult MakeHelpFile(THelpProject& project, IBuildMessages& messages, const TMakeOptions& options);
