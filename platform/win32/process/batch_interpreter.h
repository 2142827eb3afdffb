#pragma once
// The batch interpreter of the machine: runs .bat files over the machine's
// files, with the commands batch files of installers use.
//
// Lines: "@" hides a line, "REM" and "::" lines and ":label" lines do
// nothing, %0-%9 are the batch file and its arguments, %% is "%". Commands
// (any case): ECHO [ON|OFF|.|text], ERASE/DEL, DELTREE, MOVE, COPY, MD/MKDIR,
// RD/RMDIR, CD/CHDIR, GOTO label (":EOF" ends), IF [NOT] EXIST name command,
// IF [NOT] ERRORLEVEL n command, IF [NOT] a==b command, EXIT [code], and
// PAUSE, CLS and a bare drive ("C:") that do nothing here. Arguments are
// split at blanks; double quotes group a name with blanks.
//
// ERASE, DEL and DELTREE take a whole unquoted argument text with blanks as
// one name ("ERASE C:\Program Files\a.exe") when it names an existing entry,
// or when it is a full path in an existing folder and no later piece is a
// full path itself: such a line then deletes that file, never the pieces'
// namesakes, and a missing file is reported by its whole name.
//
// Anything else (programs included) is not run: it is reported as the
// prompt of the machine's Windows family reports an unknown command, and
// the batch goes on. A GOTO to a missing label reports and ends the batch.

#include <string>
#include <vector>

namespace win32 {

struct BatchRun {
    int exitCode = 0;                 // the last ERRORLEVEL, or EXIT's code
    std::vector<std::string> output;  // echoed lines and the commands' messages
    std::vector<std::string> errors;  // one per failed line: "line N: <line>: <message>"
};

// Runs `text` as the batch file `batchFile` (its %0) with `args` (%1...).
// The current directory is the process's; CD changes it for the process.
BatchRun RunBatchText(const std::string& text, const std::string& batchFile, const std::vector<std::string>& args);

// Reads and runs a batch file of the machine; a file that cannot be read
// gives exit code 1 and one error with the system's text.
BatchRun RunBatchFile(const std::string& batchFile, const std::vector<std::string>& args);

}  // namespace win32
