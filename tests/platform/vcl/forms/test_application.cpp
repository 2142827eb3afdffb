// The application object: exception display, help routing, title and loop.
#include <gtest/gtest.h>

#include "support/fresh_machine.h"

#include "vcl/forms/application.h"
#include "vcl/forms/form.h"
#include "vcl/forms/scripted_dialogs.h"
#include "vcl/forms/screen.h"

#include <QApplication>

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() {
        Application->SetTitle("Setup");
        Application->ResetTerminated();
    }
    ~ApplicationTest() override {
        Application->SetOnException(nullptr);
        Application->SetHelpViewer(nullptr);
    }
    TScriptedDialogs dialogs;
    TDialogServiceScope use{dialogs};
};

TEST_F(ApplicationTest, DefaultHandlerShowsTheMessageAndEAbortShowsNothing) {
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        {"Aborted by user", "Aborted by user."},
        {"Invalid number in form.", "Invalid number in form."},
        {"Really!", "Really!"},  // sorts before ".": no full stop added
    };
    for (const Case& c : cases) {
        dialogs.Answer(mrOk);
        RunGuarded(nullptr, [&] { throw Exception(c.message); });
        EXPECT_EQ(dialogs.LastAsked().Text, c.shown);
        EXPECT_EQ(dialogs.LastAsked().Caption, "Setup");
        EXPECT_EQ(dialogs.LastAsked().DlgType, mtError);
    }
    const int asked = dialogs.AskedCount();
    RunGuarded(nullptr, [] { throw EAbort(); });
    EXPECT_EQ(dialogs.AskedCount(), asked);
}

TEST_F(ApplicationTest, OnExceptionReplacesTheDisplayButNeverSeesEAbort) {
    std::vector<std::string> seen;
    TObject sender;
    Application->SetOnException(TExceptionEvent(&sender, [&](TObject*, Exception& e) { seen.push_back(e.Message()); }));
    RunGuarded(nullptr, [] { throw Exception("one"); });
    RunGuarded(nullptr, [] { throw std::runtime_error("two"); });
    RunGuarded(nullptr, [] { throw EAbort(); });
    EXPECT_EQ(seen, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(dialogs.AskedCount(), 0);
}

TEST_F(ApplicationTest, HelpGoesToTheViewerOrReportsThatThereIsNone) {
    Application->SetHelpFile("Z:\\opt\\Help\\Quillery Help.hlp");
    dialogs.Answer(mrOk);
    EXPECT_FALSE(Application->HelpJump("Overview"));
    EXPECT_EQ(dialogs.LastAsked().Text,
              "No help viewer is configured to show the help file \"Z:\\opt\\Help\\Quillery Help.hlp\".");

    THelpRequest received;
    Application->SetHelpViewer([&](const THelpRequest& r) {
        received = r;
        return true;
    });
    EXPECT_TRUE(Application->HelpJump("Overview"));
    EXPECT_EQ(received.HelpFile, "Z:\\opt\\Help\\Quillery Help.hlp");
    EXPECT_EQ(received.Command, HELP_COMMAND);
    EXPECT_EQ(received.Topic, "Overview");
}

TEST_F(ApplicationTest, TitleDefaultsToTheProgramNameAndExeNameIsAWindowsPath) {
    testsupport::FreshMachine machine;
    Application->SetTitle("");
    const std::string exe = Application->ExeName();
    ASSERT_GE(exe.size(), 3u);
    EXPECT_EQ(exe.substr(0, 3), "Z:\\");
    EXPECT_EQ(Application->Title(), "platform_vcl_forms_test_application");
}

TEST_F(ApplicationTest, RunEndsWhenTheMainFormCloses) {
    TApplication app(nullptr);
    TForm* form = nullptr;
    app.CreateForm(form);
    ASSERT_EQ(app.MainForm(), form);
    int activations = 0;
    form->SetOnActivate(TNotifyEvent(form, [&](TObject*) {
        ++activations;
        form->Close();
    }));
    // Close of a form that is not Application's main form hides it; the
    // loop ends because its main form is no longer visible.
    app.Run();
    EXPECT_EQ(activations, 1);
    EXPECT_FALSE(form->Visible());
}

TEST_F(ApplicationTest, TheScreenCursorCoversEveryWindowUntilReset) {
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crHourGlass);  // twice is once
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_GT(Screen->Width(), 0);
}

}  // namespace
