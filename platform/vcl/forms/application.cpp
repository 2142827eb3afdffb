#include "vcl/forms/application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "vcl/forms/dialog_types.h"
#include "vcl/forms/form.h"
#include "vcl/forms/host_paths.h"
#include "vcl/forms/message_dialogs.h"

TApplication* Application = new TApplication(nullptr);

void EnsureQtApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "quillery";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

std::string TApplication::Title() const {
    if (!title_.empty()) return title_;
    std::string name = ExeName();
    const size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void TApplication::Run() {
    EnsureQtApplication();
    if (mainForm_ != nullptr) mainForm_->Show();
    while (!terminated_) {
        if (mainForm_ != nullptr && !mainForm_->Visible()) terminated_ = true;
        else QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void TApplication::ProcessMessages() {
    EnsureQtApplication();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate() {
    terminated_ = true;
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (Exception& e) {
        if (onException_)
            onException_(sender, e);
        else
            ShowException(e);
    } catch (const std::exception& e) {
        Exception wrapped(e.what());
        if (onException_)
            onException_(sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& e) {
    // The class library ends the text with a full stop unless its last
    // character sorts at or before "." (the sentence already ends).
    std::string text = e.Message();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

int32_t TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    return ::MessageBox(text, caption, flags);
}

std::string TApplication::ExeName() const {
    if (!exeName_.empty()) return exeName_;
    std::error_code error;
    const auto host = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : WindowsPathOfHost(host.string());
}

bool TApplication::HelpCommand(uint32_t command, int32_t data) {
    THelpRequest request;
    request.HelpFile = helpFile_;
    request.Command = command;
    request.Context = data;
    return ShowHelp(request);
}

bool TApplication::HelpContext(int32_t context) { return HelpCommand(HELP_CONTEXT, context); }

bool TApplication::HelpJump(const std::string& topicId) {
    THelpRequest request;
    request.HelpFile = helpFile_;
    request.Command = HELP_COMMAND;
    request.Topic = topicId;
    return ShowHelp(request);
}

bool TApplication::ShowHelp(const THelpRequest& request) {
    if (!helpViewer_) {
        MessageDlg("No help viewer is configured to show the help file \"" + request.HelpFile + "\".", mtError,
                   TMsgDlgButtons{mbOK});
        return false;
    }
    return helpViewer_(request);
}

void RunGuarded(TObject* sender, const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        try {
            Application->HandleException(sender);
        } catch (const std::exception& e) {
            // The handler itself failed (a test's dialog script ran out):
            // nothing may cross Qt's event dispatch, so stop here, loudly.
            std::fprintf(stderr, "Exception while handling an exception of an event handler: %s\n", e.what());
            std::abort();
        }
    }
}
