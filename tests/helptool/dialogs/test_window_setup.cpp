// The help file name, the window colours and the window position and size.
#include <gtest/gtest.h>

#include "dialogs/WindowPositionSize.h"
#include "dialogs/WindowSetup.h"
#include "support_dialogs.h"
#include "vcl/forms/std_controls.h"

using namespace dialogtest;

namespace {

using Lines = std::vector<std::string>;

class WindowSetup : public DialogTest {};

TEST_F(WindowSetup, TheHelpFileNameTakesNonEmptyAnswersAndAlwaysMarksTheProjectModified) {
    struct Case {
        bool confirmed;
        std::string answer;
        std::string expected;
    };
    const Case cases[] = {
        {true, "manual", "manual"},
        {true, "my help?*", "my help?*"},  // no check of its characters
        {true, "", "old"},
        {false, "", "old"},
    };
    for (const Case& c : cases) {
        project.Globals.HelpFileName = "old";
        project.Globals.Modified = false;
        if (c.confirmed)
            dialogs.AnswerInput(c.answer);
        else
            dialogs.CancelInput();
        AskHelpFileName(project);
        EXPECT_EQ(project.Globals.HelpFileName, c.expected) << c.answer;
        EXPECT_TRUE(project.Globals.Modified) << c.answer;
        EXPECT_EQ(dialogs.LastAsked().Caption, "Help File Name");
        EXPECT_EQ(dialogs.LastAsked().Text, "Enter the name of the help file.");
        EXPECT_EQ(dialogs.LastAsked().Value, "old");
    }
}

TEST_F(WindowSetup, ThePanelsColoursAreStoredHoweverTheWindowCloses) {
    project.Globals.PageColor = clYellow;
    project.Globals.HeaderColor = clSilver;
    dialogs.AnswerForm([](TForm& form) {
        auto& setup = dynamic_cast<TfrmWindowSetup&>(form);
        EXPECT_EQ(form.Caption(), "Window Setup");
        EXPECT_EQ(setup.PageColorPanel().Color(), clYellow);
        EXPECT_EQ(setup.HeaderColorPanel().Color(), clSilver);
        setup.PageColorPanel().Click();
        setup.HeaderColorPanel().Click();  // cancelled: the panel keeps its colour
        EXPECT_EQ(setup.PageColorPanel().Color(), 0x123456);
        dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click();
    });
    dialogs.AnswerColor(0x123456).CancelColor();
    EXPECT_TRUE(RunWindowSetup(project, nullptr));
    EXPECT_EQ(dialogs.Asked(1).Color, clYellow);  // preset to the panel's colour
    EXPECT_EQ(dialogs.Asked(2).Color, clSilver);
    EXPECT_EQ(project.Globals.PageColor, 0x123456);
    EXPECT_EQ(project.Globals.HeaderColor, clSilver);
    EXPECT_TRUE(project.Globals.Modified);

    project.Globals.Modified = false;
    dialogs.AnswerForm([](TForm& form) {
        dynamic_cast<TfrmWindowSetup&>(form).HeaderColorPanel().Click();
        form.Close();  // the close box
    });
    dialogs.AnswerColor(clNavy);
    EXPECT_TRUE(RunWindowSetup(project, nullptr));
    EXPECT_EQ(project.Globals.HeaderColor, clNavy);
    EXPECT_EQ(project.Globals.PageColor, 0x123456);
    EXPECT_TRUE(project.Globals.Modified);
}

class WindowPositionSize : public DialogTest {
protected:
    static TfrmWindowPositionSize& Form(TForm& form) { return dynamic_cast<TfrmWindowPositionSize&>(form); }
    static void Enter(TForm& form, const std::string& left, const std::string& top, const std::string& width,
                      const std::string& height) {
        Form(form).LeftEdit().SetText(left);
        Form(form).TopEdit().SetText(top);
        Form(form).WidthEdit().SetText(width);
        Form(form).HeightEdit().SetText(height);
    }
    static void PressOK(TForm& form) { dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click(); }
};

TEST_F(WindowPositionSize, TheEditsShowTheNumbersAndValidOnesAreStoredWithoutModified) {
    project.Globals.WindowLeft = -5;
    project.Globals.WindowTop = 10;
    project.Globals.WindowWidth = 640;
    project.Globals.WindowHeight = 2147483647;
    dialogs.AnswerForm([](TForm& form) {
        EXPECT_EQ(form.Caption(), "Window Position / Size");
        EXPECT_EQ(Form(form).LeftEdit().Text(), "-5");
        EXPECT_EQ(Form(form).TopEdit().Text(), "10");
        EXPECT_EQ(Form(form).WidthEdit().Text(), "640");
        EXPECT_EQ(Form(form).HeightEdit().Text(), "2147483647");
        Enter(form, "-100", "-2147483648", "0", " 480");
        PressOK(form);
    });
    RunWindowPositionSize(project, nullptr);
    EXPECT_EQ(project.Globals.WindowLeft, -100);
    EXPECT_EQ(project.Globals.WindowTop, -2147483648);
    EXPECT_EQ(project.Globals.WindowWidth, 0);
    EXPECT_EQ(project.Globals.WindowHeight, 480);
    EXPECT_FALSE(project.Globals.Modified);
}

TEST_F(WindowPositionSize, AnInvalidNumberKeepsTheWindowOpenAndStoresNothing) {
    const Lines invalid[] = {
        {"1", "2", "abc", "4"},          // not a number
        {"", "2", "3", "4"},             // empty
        {"1", "2147483648", "3", "4"},   // beyond 32 bits
        {"1", "2", "3", "4.5"},          // not whole
        {"1", "2", "3 ", "4"},           // something after the number
    };
    for (const Lines& values : invalid) {
        project.Globals.WindowWidth = 77;
        dialogs
            .AnswerForm([&](TForm& form) {
                Enter(form, values[0], values[1], values[2], values[3]);
                PressOK(form);
            })
            .Answer(mrOk)
            .AnswerForm([&](TForm& form) {
                EXPECT_TRUE(form.Visible());
                EXPECT_EQ(project.Globals.WindowWidth, 77);  // nothing stored yet
                form.Close();  // the close box asks the same
            })
            .Answer(mrOk)
            .AnswerForm([](TForm& form) {
                Enter(form, "1", "2", "300", "4");
                form.Close();
            });
        RunWindowPositionSize(project, nullptr);
        EXPECT_EQ(project.Globals.WindowWidth, 300) << values[2];
    }
    EXPECT_EQ(Messages().size(), 10u);
    EXPECT_EQ(Messages().front(), "Quillery: Invalid number in form.");
}

}  // namespace
