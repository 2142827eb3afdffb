#pragma once
// A main window on a fresh machine, driven through the scripted dialogs:
// the about box at start-up is answered, and helpers add and select pages
// and links the way the user does.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/MainUnit.h"
#include "support/fresh_machine.h"
#include "vcl/forms/scripted_dialogs.h"

namespace testsupport {

// Queues the OK of the about box that start-up shows.
void AnswerAboutBox(TScriptedDialogs& dialogs);

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Adds a page through the input box, answering `name`.
    void AddPage(const std::string& name);
    // Clicks entry `index` of the page list (-1: none).
    void SelectPage(int index);
    // Adds a link to the shown page through the input box and selects it.
    void AddLink(const std::string& name);
    // A shown page "Intro" whose editor holds `text`, the cursor at its end.
    void ShowPageWithText(const std::string& text);
    // Moves the editor's cursor to the end of its text.
    void CursorToEnd();
    // Sets the shown page's topic ID, title and keywords through its
    // properties dialog, closed with OK.
    void SetPageProperties(const std::string& topicID, const std::string& title, const std::string& keywords);
    // Adds a link to the shown page leading to `page` through the link
    // properties dialog and inserts its marker at the end of the text.
    void InsertLink(const std::string& name, const std::string& page, const std::string& text, bool popup);
    THelpProject& Project() { return form->Project; }

    FreshMachine machine;
    TScriptedDialogs dialogs;
    TDialogServiceScope useDialogs{dialogs};
    TfrmMainMenu* form = nullptr;
};

}  // namespace testsupport
