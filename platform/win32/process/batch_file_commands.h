#pragma once
// The file commands of the batch interpreter, over the machine's files:
// ERASE/DEL, DELTREE, MOVE, COPY, MD, RD. Each takes its arguments as the
// interpreter split them (quotes removed, switches kept) and reports what
// failed in the words the command prompt uses; the last name of a source
// path may hold the wildcards "*" and "?".

#include <string>
#include <vector>

namespace win32 {

struct BatchCommandResult {
    bool ok = true;
    std::vector<std::string> messages;  // what the command printed
};

// ERASE/DEL [/Q] [/F] names...: deletes files (never folders); /F also
// read-only ones.
BatchCommandResult EraseCommand(const std::vector<std::string>& args);
// DELTREE [/Y] names...: deletes files and folders with everything in
// them, whatever their attributes. A missing name is no error.
BatchCommandResult DeltreeCommand(const std::vector<std::string>& args);
// MOVE [/Y] source destination: moves files (or renames a folder); a
// destination folder receives them under their names; an existing
// destination file is replaced, as a batch file's MOVE does.
BatchCommandResult MoveCommand(const std::vector<std::string>& args);
// COPY [/Y] source destination: copies files, replacing existing ones.
BatchCommandResult CopyCommand(const std::vector<std::string>& args);
// MD/MKDIR name: makes the folder and its missing parents.
BatchCommandResult MakeDirectoryCommand(const std::vector<std::string>& args);
// RD/RMDIR [/S] [/Q] name: removes an empty folder, with /S the whole tree.
BatchCommandResult RemoveDirectoryCommand(const std::vector<std::string>& args);

// Makes a folder with its missing parents; false with the last error.
bool CreateDirectoryTree(const std::string& fullPath);

// Whether the text names an existing file or folder (wildcards allowed in
// the last name): the test of IF EXIST.
bool PathExists(const std::string& path);

}  // namespace win32
