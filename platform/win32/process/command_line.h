#pragma once
// Command lines of the machine's programs: one text, as Windows passes it,
// and the words a program reads from it.
//
// Words follow the class library's ParamStr rules, which our programs
// follow: words are separated by blanks and control characters; double
// quotes group blanks into a word and are removed; a backslash is an
// ordinary character ("C:\dir\" stays "C:\dir\").

#include <string>
#include <vector>

namespace win32 {

// The words of `commandLine`, the program's own name first.
std::vector<std::string> CommandLineWords(const std::string& commandLine);

// The program part of a command line and the rest after it: a quoted first
// word up to its closing quote (quotes removed), else the text up to the
// first blank. The rest starts after the blanks that follow.
struct CommandLineHead {
    std::string program;
    std::string rest;
    bool quoted = false;
};
CommandLineHead SplitCommandLine(const std::string& commandLine);

// A word for a command line: in double quotes when it is empty or holds a
// blank.
std::string QuoteCommandLineWord(const std::string& word);

}  // namespace win32
