// Screenshots of every dialog as the author sees it, written as PNG files
// into the build tree (build/screenshots/helptool/dialogs/).
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/AboutScreen.h"
#include "dialogs/TableOfContents.h"
#include "dialogs/WindowPositionSize.h"
#include "dialogs/WindowSetup.h"
#include "model/TOCObject.h"
#include "support/fresh_machine.h"
#include "support_dialogs.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/screenshot.h"
#include "vcl/forms/std_controls.h"
#include "vcl/forms/tree_view.h"

using namespace dialogtest;

namespace {

class DialogScreenshots : public DialogTest {
protected:
    // Queues a turn that saves the form as `name`.png and closes it.
    void Shoot(const std::string& name) {
        dialogs.AnswerForm([this, name](TForm& form) {
            const std::filesystem::path png = Folder() / (name + ".png");
            EXPECT_TRUE(SaveScreenshot(form, png.string())) << png;
            EXPECT_GT(std::filesystem::file_size(png), 0u) << png;
            form.SetModalResult(mrOk);
        });
    }
    static std::filesystem::path Folder() {
        return std::filesystem::path(QUILLERY_BINARY_DIR) / "screenshots" / "helptool" / "dialogs";
    }
    testsupport::FreshMachine machine;
};

TEST_F(DialogScreenshots, EveryDialog) {
    AddEntries(project, {{"Getting Started", true}, {"\tIntro", false, "Intro"}, {"Reference", false}});
    project.CreatePage("Intro");
    project.Globals.PageColor = 0xE0FFFF;
    project.Globals.HeaderColor = 0xC08040;
    project.Globals.WindowWidth = 640;
    project.Globals.WindowHeight = 480;

    dialogs.AnswerForm([this](TForm& form) {
        auto& editor = dynamic_cast<TfrmTableOfContents&>(form);
        editor.Items().SetSelected(editor.Items().Items()->Item(1));
        const std::filesystem::path png = Folder() / "TableOfContents.png";
        EXPECT_TRUE(SaveScreenshot(form, png.string()));
        dynamic_cast<TMenuItem*>(form.FindComponent("Properties1"))->Click();
        form.Close();
    });
    Shoot("TOCTopicProperties");
    RunTableOfContents(project, nullptr);
    Shoot("WindowSetup");
    RunWindowSetup(project, nullptr);
    Shoot("WindowPositionSize");
    RunWindowPositionSize(project, nullptr);
    Shoot("AboutScreen");
    ShowAbout(nullptr);

    EXPECT_EQ(dialogs.PendingAnswers(), 0);
    for (const char* name : {"TableOfContents", "TOCTopicProperties", "WindowSetup", "WindowPositionSize", "AboutScreen"})
        EXPECT_TRUE(std::filesystem::exists(Folder() / (std::string(name) + ".png"))) << name;
}

}  // namespace
