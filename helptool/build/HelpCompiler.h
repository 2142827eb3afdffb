#pragma once
// Starting the help compiler: the shell's "open" of
// <program folder>\Tools\hcrtf.exe with "-x" and the help project's path.
// The compiler is not waited for; it reads the three sources next to the
// help project and writes the help file there.

#include <string>

// <program folder>\Tools\hcrtf.exe
std::string HelpCompilerPath(const std::string& programFolder);
// "-x " and the help project's path, in double quotes when it holds a
// blank (else the compiler would see the path as several arguments).
std::string HelpCompilerParameters(const std::string& helpProjectPath);

// Starts the compiler for `helpProjectPath`, `owner` being the window that
// asks; true when the shell could start it.
bool StartHelpCompiler(void* owner, const std::string& programFolder, const std::string& helpProjectPath);
