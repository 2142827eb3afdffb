#pragma once
// The program's command-line arguments after the program name, as the
// program sees them (a project file as its Windows path). The program's
// main() stores them before the main window is created.

#include <string>
#include <vector>

void SetProgramArguments(std::vector<std::string> arguments);
const std::vector<std::string>& ProgramArguments();
