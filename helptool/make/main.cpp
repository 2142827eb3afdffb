// quillery-make PROJECT.qpx [--no-compile]: makes the help file of a
// project from the command line, for build pipelines.
//
// The project is read with the project file reader and built by the same
// build function as the main window's "Make The Help File", so the files
// are byte for byte the window's. Every message the window would show is
// printed on a line of its own. Exit status: 0 after "The file was created
// successfully.", 1 after "The file had errors and was not created
// successfully.", 2 when the build could not run (bad arguments, a missing
// help file name or project file name, a file that cannot be read or
// written).

#include <iostream>
#include <string>
#include <vector>

#include "build/BuildMessages.h"
#include "build/MakeHelpFile.h"
#include "model/HelpProject.h"
#include "model/ProjectFile.h"
#include "vcl/system/exception.h"
#include "win32/codepage.h"
#include "win32/module.h"
#include "win32/paths.h"

namespace {

constexpr int kSucceeded = 0;
constexpr int kHadErrors = 1;
constexpr int kNotRun = 2;

const char kUsage[] = "usage: quillery-make PROJECT.qpx [--no-compile]";

// The messages as lines of the terminal, which reads UTF-8.
class PrintedMessages : public IBuildMessages {
public:
    void Show(const std::string& message) override { std::cout << win32::AnsiToUtf8(message) << std::endl; }
};

struct Arguments {
    std::string projectFile;  // as given, a host path
    bool compile = true;
};

bool ParseArguments(const std::vector<std::string>& words, Arguments& arguments) {
    bool haveProject = false;
    for (const std::string& word : words) {
        if (word == "--no-compile") {
            arguments.compile = false;
        } else if (!word.empty() && word[0] != '-' && !haveProject) {
            arguments.projectFile = word;
            haveProject = true;
        } else {
            return false;
        }
    }
    return haveProject;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), arguments)) {
        std::cerr << kUsage << std::endl;
        return kNotRun;
    }
    try {
        THelpProject project;
        const std::string fileName = win32::HostToWindowsPath(arguments.projectFile);
        ReadProjectFile(project, fileName);
        project.Globals.ProjectFileName = fileName;

        PrintedMessages messages;
        TMakeOptions options;
        options.StartCompiler = arguments.compile;
        options.ProgramFolder = win32::GetProgramDirectory();
        switch (MakeHelpFile(project, messages, options)) {
        case TMakeResult::Succeeded: return kSucceeded;
        case TMakeResult::HadErrors: return kHadErrors;
        case TMakeResult::NotRun: return kNotRun;
        }
    } catch (const Exception& error) {
        std::cerr << "quillery-make: " << win32::AnsiToUtf8(error.Message()) << std::endl;
    } catch (const std::exception& error) {
        std::cerr << "quillery-make: " << error.what() << std::endl;
    }
    return kNotRun;
}
