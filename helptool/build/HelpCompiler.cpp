#include "build/HelpCompiler.h"

#include "win32/process/command_line.h"
#include "win32/process/show_commands.h"
#include "win32/shell/shell_execute.h"

std::string HelpCompilerPath(const std::string& programFolder) { return programFolder + "\\Tools\\hcrtf.exe"; }

std::string HelpCompilerParameters(const std::string& helpProjectPath) {
    return "-x " + win32::QuoteCommandLineWord(helpProjectPath);
}

bool StartHelpCompiler(void* owner, const std::string& programFolder, const std::string& helpProjectPath) {
    return win32::ShellExecute(owner, "open", HelpCompilerPath(programFolder), HelpCompilerParameters(helpProjectPath),
                               "", win32::SW_SHOW) > 32;
}
