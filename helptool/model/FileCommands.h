#pragma once
// The File menu's decisions (New, Open, Save, Save As, the close query and
// the project named on the command line), apart from the window that shows
// them: the questions go through TFileCommandWindow, which the main window
// implements over its dialogs and tests implement with scripted answers.

#include <optional>
#include <string>

class THelpProject;

// What the File menu asks of the window.
class TFileCommandWindow {
public:
    virtual ~TFileCommandWindow() = default;
    // A confirmation with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The open and save dialogs with `filter`; a name typed without an
    // extension gets `defaultExt`. No value when the user cancels.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter, const std::string& defaultExt) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& filter, const std::string& defaultExt) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
};

inline constexpr const char* kProjectFilter = "Help Project|*.qpx|All Files|*.*";
inline constexpr const char* kProjectExtension = "qpx";
inline constexpr const char* kSaveChangesQuestion =
    "The current file has changed since you last saved it.  Would you like to save it now?";
inline constexpr const char* kLoseChangesQuestion =
    "The current file has changed since you last saved it.  Do you want to continue and lose your changes?";

// The status bar's text for a project file ("File Name:  " and the path).
std::string FileNameStatusText(const std::string& fileName);

class TFileCommands {
public:
    TFileCommands(THelpProject& project, TFileCommandWindow& window) : project_(project), window_(window) {}

    // Offers to save a modified project, then resets it. Cannot be
    // cancelled; a failed save stops it with the project unchanged.
    void New();
    // Asks for a file first, then loads it (New's save offer included) and
    // makes it the project file.
    void Open();
    // Loads `fileName` and makes it the project file: the Open command
    // after its dialog, and the program's command-line argument.
    void OpenFile(const std::string& fileName);
    // Saves to the project file, or asks for one when there is none yet.
    void Save();
    void SaveAs();
    // Whether the main window may close; asks before losing changes.
    bool CloseQuery();

    // New, then the file's contents; shows the path in the status bar.
    // Leaves ProjectFileName to the caller. A bad file stops with its
    // I/O error, the project holding what was read before it.
    void LoadProject(const std::string& fileName);
    // Commits the shown page and writes the project file; the project is
    // then no longer modified. A failure leaves Modified as it was.
    void SaveProject();

private:
    THelpProject& project_;
    TFileCommandWindow& window_;
};
