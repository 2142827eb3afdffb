#pragma once
// What the dialog tests share: a project whose contents are given as an
// outline, the outline read back, and a fixture that answers every
// question through the scripted dialogs service.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/HelpProject.h"
#include "vcl/forms/scripted_dialogs.h"

namespace dialogtest {

// One contents entry: its outline line (tabs, then the text), whether it is
// a group, and a topic's page.
struct TEntry {
    TEntry(std::string line, bool isGroup, std::string pageName = {})
        : Line(std::move(line)), IsGroup(isGroup), PageName(std::move(pageName)) {}
    std::string Line;
    bool IsGroup;
    std::string PageName;
};

// Appends the entries to TocList, each line with a new TTocObject named
// after the text of its line.
void AddEntries(THelpProject& project, const std::vector<TEntry>& entries);

// TocList's lines, and each line's entry as "Name|PageName|G" or "...|T".
std::vector<std::string> OutlineLines(const THelpProject& project);
std::vector<std::string> OutlineEntries(const THelpProject& project);

// The scripted dialogs service installed, the application titled
// "Quillery" (the caption of the tool's message boxes).
class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    // "Quillery: <text>" for each message box asked.
    std::vector<std::string> Messages() const { return dialogs.MessageTexts(); }

    TScriptedDialogs dialogs;
    TDialogServiceScope use{dialogs};
    THelpProject project;
};

}  // namespace dialogtest
