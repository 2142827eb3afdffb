#pragma once
// TApplication and the Application global: the program's title, main form,
// message loop and exception handler, over one QApplication.
//
// - The QApplication is made on first need (EnsureQtApplication), so code
//   and tests that make controls need no set-up of their own.
// - Run shows the main form and runs the loop until Terminate is called or
//   the main form closes.
// - Exceptions raised in event handlers never cross Qt: controls run their
//   handlers through RunGuarded, which hands an escaping exception to
//   HandleException: OnException when assigned, else ShowException (a
//   message box through the dialogs service); EAbort shows nothing.
// - Help requests go to the help viewer set with SetHelpViewer; without
//   one, the user is told that no help viewer is configured.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "vcl/classes/component.h"
#include "vcl/classes/events.h"
#include "vcl/system/exception.h"

class TForm;

using TExceptionEvent = TMethod<TObject* /*Sender*/, Exception& /*E*/>;

// Help commands (WinHelp's).
enum : uint32_t {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_CONTENTS = 0x0003,
    HELP_KEY = 0x0101,
    HELP_COMMAND = 0x0102,
    HELP_FINDER = 0x000B,
};

struct THelpRequest {
    std::string HelpFile;  // Windows path
    uint32_t Command = HELP_CONTENTS;
    int32_t Context = 0;  // HELP_CONTEXT
    std::string Topic;    // the topic ID of a jump, or a key
};
// Shows help; returns whether it could.
using THelpViewer = std::function<bool(const THelpRequest& request)>;

// Makes the QApplication when there is none yet.
void EnsureQtApplication();

// A new Qt widget (or other object), made after the QApplication.
template <class W, class... Args>
W* MakeWidget(Args&&... args) {
    EnsureQtApplication();
    return new W(std::forward<Args>(args)...);
}

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    std::string ClassName() const override { return "TApplication"; }

    // The title; the program file's name without extension when none is set.
    std::string Title() const;
    void SetTitle(const std::string& title) { title_ = title; }

    TForm* MainForm() const { return mainForm_; }
    // Creates a form of class T owned by the application, stores it in
    // `reference`; the first form created becomes the main form.
    template <class T>
    void CreateForm(T*& reference) {
        reference = new T(this);
        if (mainForm_ == nullptr) mainForm_ = reference;
    }

    // Forgets `form` as the main form (its destructor tells).
    void FormDestroyed(const TForm* form) {
        if (mainForm_ == form) mainForm_ = nullptr;
    }

    void Run();
    // Runs the window messages waiting now.
    void ProcessMessages();
    // Ends Run's loop (and any modal loop) once the current message is done.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Clears Terminated, for running the loop again (tests).
    void ResetTerminated() { terminated_ = false; }

    // Inside a catch block: passes the exception being handled to
    // OnException or ShowException. Non-class-library exceptions are shown
    // with their what() text.
    void HandleException(TObject* sender);
    // The default display: a message box "Message." with the title, stop
    // icon and OK.
    void ShowException(const Exception& e);
    const TExceptionEvent& OnException() const { return onException_; }
    void SetOnException(TExceptionEvent handler) { onException_ = std::move(handler); }

    // The Windows message box of the application (message_dialogs.h).
    int32_t MessageBox(const std::string& text, const std::string& caption, uint32_t flags);

    // The program file's Windows path; set by SetExeName or read from the
    // host's program file.
    std::string ExeName() const;
    void SetExeName(const std::string& windowsPath) { exeName_ = windowsPath; }

    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }
    bool HelpCommand(uint32_t command, int32_t data);
    bool HelpContext(int32_t context);
    // Opens HelpFile at the topic of that ID.
    bool HelpJump(const std::string& topicId);
    // The viewer that shows help (nullptr: none).
    void SetHelpViewer(THelpViewer viewer) { helpViewer_ = std::move(viewer); }

private:
    bool ShowHelp(const THelpRequest& request);

    std::string title_;
    std::string exeName_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    TExceptionEvent onException_;
    THelpViewer helpViewer_;
};

// The application object of the program.
extern TApplication* Application;

// Runs `action`, handing any exception to Application->HandleException.
void RunGuarded(TObject* sender, const std::function<void()>& action);
