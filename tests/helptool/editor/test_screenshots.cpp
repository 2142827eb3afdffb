// Screenshots of the main window with the sample's first page open and of
// the page properties, page header and link properties dialogs, written as
// PNG files into the build tree (build/screenshots/helptool/editor/).
#include <gtest/gtest.h>

#include <filesystem>

#include "helptool/editor/support_main_window.h"
#include "vcl/forms/screenshot.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;

const std::filesystem::path kSample =
    std::filesystem::path(QUILLERY_TEST_DIR) / ".." / ".." / ".." / "examples" / "sample.qpx";

std::filesystem::path Folder() {
    return std::filesystem::path(QUILLERY_BINARY_DIR) / "screenshots" / "helptool" / "editor";
}

class Screenshots : public MainWindowTest {
protected:
    static void Save(const TControl& control, const std::string& name) {
        const std::filesystem::path png = Folder() / (name + ".png");
        std::filesystem::remove(png);
        EXPECT_TRUE(SaveScreenshot(control, png.string())) << png;
        EXPECT_GT(std::filesystem::exists(png) ? std::filesystem::file_size(png) : 0u, 0u) << png;
    }
    // Queues a turn that saves the shown dialog as `name`.png and closes it.
    void Shoot(const std::string& name) {
        dialogs.AnswerForm([name](TForm& dialog) {
            Save(dialog, name);
            dialog.SetModalResult(mrOk);
        });
    }
};

TEST_F(Screenshots, MainWindowAndItsDialogsOnTheSample) {
    dialogs.AnswerFile(win32::HostToWindowsPath(std::filesystem::canonical(kSample)));
    form->Open1Click(nullptr);
    ASSERT_EQ(form->lstPages().Items()->Count(), 3);
    SelectPage(0);
    form->Show();
    Save(*form, "MainMenu");

    Shoot("PageProperties");
    form->PropertiesPageClick(nullptr);
    Shoot("PageHeader");
    form->Header1Click(nullptr);
    form->lstLinks().SetItemIndex(0);
    Shoot("LinkProperties");
    form->PropertiesLinkClick(nullptr);
    EXPECT_EQ(dialogs.PendingAnswers(), 0);
}

}  // namespace
