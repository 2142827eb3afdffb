#include "helptool/editor/support_main_window.h"

#include "editor/LinkProperties.h"
#include "editor/PageProperties.h"
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

void MainWindowTest::CursorToEnd() {
    // Text ends paragraphs with CR LF; positions count a paragraph end once.
    std::string text = form->mmoPage().Text();
    std::erase(text, '\n');
    form->mmoPage().SetSelStart(static_cast<int32_t>(text.size()));
}

void MainWindowTest::SetPageProperties(const std::string& topicID, const std::string& title,
                                       const std::string& keywords) {
    dialogs.AnswerForm([=](TForm& dialog) {
        auto& properties = dynamic_cast<TfrmPageProperties&>(dialog);
        properties.edtTopicID().SetText(topicID);
        properties.edtTopicTitle().SetText(title);
        properties.edtIndexKeywords().SetText(keywords);
        dialog.SetModalResult(mrOk);
    });
    form->PropertiesPageClick(nullptr);
}

void MainWindowTest::InsertLink(const std::string& name, const std::string& page, const std::string& text,
                                bool popup) {
    AddLink(name);
    dialogs.AnswerForm([=](TForm& dialog) {
        auto& properties = dynamic_cast<TfrmLinkProperties&>(dialog);
        properties.cboPage().SetItemIndex(properties.cboPage().Items()->IndexOf(page));
        properties.edtText().SetText(text);
        properties.chkPopup().SetChecked(popup);
        dialog.SetModalResult(mrOk);
    });
    form->PropertiesLinkClick(nullptr);
    CursorToEnd();
    form->InsertLinkAtCursor1Click(nullptr);
    CursorToEnd();
}

}  // namespace testsupport
