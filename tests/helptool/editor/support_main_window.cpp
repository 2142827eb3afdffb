#include "helptool/editor/support_main_window.h"

#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace testsupport {

void AnswerAboutBox(TScriptedDialogs& dialogs) {
    dialogs.AnswerForm([](TForm& about) { about.SetModalResult(mrOk); });
}

MainWindowTest::MainWindowTest() {
    AnswerAboutBox(dialogs);
    form = new TfrmMainMenu(nullptr);
}

MainWindowTest::~MainWindowTest() { Free(form); }

void MainWindowTest::AddPage(const std::string& name) {
    dialogs.AnswerInput(name);
    form->AddPageClick(nullptr);
}

void MainWindowTest::SelectPage(int index) {
    form->lstPages().SetItemIndex(index);
    form->lstPagesClick(nullptr);
}

void MainWindowTest::AddLink(const std::string& name) {
    dialogs.AnswerInput(name);
    form->AddLinkClick(nullptr);
    form->lstLinks().SetItemIndex(form->lstLinks().Items()->IndexOf(name));
}

void MainWindowTest::ShowPageWithText(const std::string& text) {
    AddPage("Intro");
    SelectPage(0);
    form->mmoPage().SetSelText(text);
}

}  // namespace testsupport
