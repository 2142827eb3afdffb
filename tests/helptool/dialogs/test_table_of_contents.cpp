// The contents editor: the outline into the tree and back, the three Add
// commands with their refusals, delete of a subtree, the properties of
// groups and topics, and Modified after every close.
#include <gtest/gtest.h>

#include "dialogs/TOCTopicProperties.h"
#include "dialogs/TableOfContents.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"
#include "support_dialogs.h"
#include "vcl/forms/menus.h"
#include "vcl/forms/std_controls.h"
#include "vcl/forms/tree_view.h"

using namespace dialogtest;

namespace {

using Lines = std::vector<std::string>;

class TableOfContents : public DialogTest {
protected:
    // Queues the editor's turn: `work` acts in it, then Done closes it.
    // The questions `work` asks take the answers queued after this.
    void Script(std::function<void(TfrmTableOfContents&)> work) {
        dialogs.AnswerForm([work](TForm& form) {
            auto& editor = dynamic_cast<TfrmTableOfContents&>(form);
            work(editor);
            Click(editor, "Done1");
        });
    }
    // Runs the editor with every queued answer used.
    void Run() {
        EXPECT_TRUE(RunTableOfContents(project, nullptr));
        EXPECT_TRUE(project.Globals.Modified);
        EXPECT_EQ(dialogs.PendingAnswers(), 0);
    }
    void Edit(std::function<void(TfrmTableOfContents&)> work) {
        Script(std::move(work));
        Run();
    }
    static void Click(TForm& form, const std::string& item) {
        auto* menuItem = dynamic_cast<TMenuItem*>(form.FindComponent(item));
        ASSERT_NE(menuItem, nullptr) << item;
        menuItem->Click();
    }
    // Selects the node of that text (nothing for "").
    static void Select(TfrmTableOfContents& editor, const std::string& text) {
        TTreeNode* found = nullptr;
        for (TTreeNode* n = editor.Items().Items()->GetFirstNode(); n != nullptr; n = n->GetNext())
            if (n->Text() == text) found = n;
        ASSERT_TRUE(text.empty() || found != nullptr) << text;
        editor.Items().SetSelected(found);
    }
    void AddSample() {
        AddEntries(project, {{"Getting Started", true},
                             {"\tIntro", false, "Intro"},
                             {"\tMore", true},
                             {"\t\tDeep", false, "Deep"},
                             {"\tDetails", false, "Details"},
                             {"Reference", false, "Reference"}});
    }
};

TEST_F(TableOfContents, TheOutlineGoesIntoTheTreeAndComesBackUnchanged) {
    AddSample();
    std::vector<TTocObject*> before;
    for (int i = 0; i < project.Globals.TocList.Count(); ++i) before.push_back(TocAt(project.Globals.TocList, i));
    const Lines lines = OutlineLines(project);
    Edit([&](TfrmTableOfContents& editor) {
        EXPECT_EQ(editor.Caption(), "Table Of Contents");
        TTreeNodes& nodes = *editor.Items().Items();
        ASSERT_EQ(nodes.Count(), 6);
        const int levels[] = {0, 1, 1, 2, 1, 0};
        const int images[] = {0, 1, 0, 1, 1, 1};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(nodes.Item(i)->Level(), levels[i]) << i;
            EXPECT_EQ(nodes.Item(i)->ImageIndex(), images[i]) << i;
            EXPECT_EQ(nodes.Item(i)->SelectedIndex(), images[i]) << i;
            EXPECT_EQ(nodes.Item(i)->Data(), before[static_cast<size_t>(i)]) << i;
        }
        EXPECT_EQ(nodes.Item(3)->Text(), "Deep");
        EXPECT_EQ(nodes.Item(3)->Parent(), nodes.Item(2));
    });
    EXPECT_EQ(OutlineLines(project), lines);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TocAt(project.Globals.TocList, i), before[static_cast<size_t>(i)]);
}

TEST_F(TableOfContents, ALineIndentedTooDeepKeepsItsEntryOneLevelBelowThePreviousLine) {
    AddEntries(project, {{"\t\tOrphan", false}, {"Group", true}, {"\t\t\tFar", false}, {"\tNear", false}});
    Edit([](TfrmTableOfContents& editor) { EXPECT_EQ(editor.Items().Items()->Count(), 4); });
    EXPECT_EQ(OutlineLines(project), (Lines{"Orphan", "Group", "\tFar", "\tNear"}));
    EXPECT_EQ(OutlineEntries(project), (Lines{"Orphan||T", "Group||G", "Far||T", "Near||T"}));
}

TEST_F(TableOfContents, TheAddCommandsPlaceTheirEntriesAndRefuseUnderATopic) {
    AddSample();
    Script([&](TfrmTableOfContents& editor) {
        Select(editor, "Deep");  // a topic
        Click(editor, "NewItemAtCurrentLevel1");
        EXPECT_EQ(editor.Items().Selected()->Text(), "Beside Deep");
        Select(editor, "Deep");
        Click(editor, "AddNewGroupInCurrentGroup1");
        Click(editor, "NewItemAtSubLevel1");
        Select(editor, "Getting Started");
        Click(editor, "AddNewGroupInCurrentGroup2");  // the popup menu's
        Click(editor, "NewItemAtSubLevel1");
        Select(editor, "Reference");
        Click(editor, "NewItemAtCurrentLevel2");
        Select(editor, "");
        Click(editor, "NewItemAtSubLevel1");
        Select(editor, "");
        Click(editor, "NewItemAtCurrentLevel1");
        Select(editor, "");
        Click(editor, "AddNewGroupInCurrentGroup1");
        EXPECT_EQ(editor.Items().Selected()->Text(), "New Group");
        EXPECT_EQ(editor.Items().Selected()->ImageIndex(), 0);
    });
    dialogs.AnswerInput("Beside Deep")
        .Answer(mrOk)
        .Answer(mrOk)
        .AnswerInput("Sub Group")
        .CancelInput()  // an entry all the same, with the default name
        .AnswerInput("Last Group")
        .AnswerInput("Top Topic")
        .AnswerInput("Top Group")
        .CancelInput();
    Run();
    EXPECT_EQ(Messages(), (Lines{"Quillery: You can not add a sub-group to a topic.",
                                 "Quillery: You can not add a topic to a topic."}));
    const TAskedDialog& topicQuestion = dialogs.Asked(5);
    EXPECT_EQ(topicQuestion.Caption, "New Topic");
    EXPECT_EQ(topicQuestion.Text, "Give this topic a name please.");
    EXPECT_EQ(topicQuestion.Value, "New Topic");
    EXPECT_EQ(dialogs.Asked(1).Caption, "New Group");
    EXPECT_EQ(dialogs.Asked(1).Text, "Give this group a name please.");
    EXPECT_EQ(dialogs.Asked(1).Value, "New Group");
    EXPECT_EQ(OutlineEntries(project),
              (Lines{"Getting Started||G", "Intro|Intro|T", "More||G", "Deep|Deep|T", "Beside Deep||G",
                     "Details|Details|T", "Sub Group||G", "New Topic||T", "Reference|Reference|T", "Last Group||G",
                     "Top Topic||T", "Top Group||G", "New Group||G"}));
    EXPECT_EQ(OutlineLines(project),
              (Lines{"Getting Started", "\tIntro", "\tMore", "\t\tDeep", "\t\tBeside Deep", "\tDetails", "\tSub Group",
                     "\t\tNew Topic", "Reference", "Last Group", "Top Topic", "Top Group", "New Group"}));
}

TEST_F(TableOfContents, DeletingAGroupFreesItsWholeSubtreeAndNeedsASelection) {
    AddSample();
    Script([&](TfrmTableOfContents& editor) {
        Click(editor, "DeleteTopicGroup1");
        Select(editor, "Getting Started");
        Click(editor, "DeleteTopicGroup2");
        EXPECT_EQ(editor.Items().Items()->Count(), 1);
        Select(editor, "Reference");
        Click(editor, "DeleteTopicGroup1");
    });
    dialogs.Answer(mrOk);
    Run();
    EXPECT_EQ(OutlineLines(project), Lines{});
    EXPECT_EQ(Messages(), Lines{"Quillery: You must select an item first."});
}

TEST_F(TableOfContents, PropertiesRenameGroupsAndGiveTopicsTheirPage) {
    AddSample();
    for (const char* page : {"Details", "Intro", "Reference"}) project.CreatePage(page);
    Script([&](TfrmTableOfContents& editor) {
        Click(editor, "Properties1");
        Select(editor, "More");
        Click(editor, "Properties1");  // an empty name changes nothing
        Click(editor, "Properties2");
        EXPECT_EQ(editor.Items().Selected()->Text(), "Further");
        Select(editor, "Intro");
        editor.Items().DblClick();
        Select(editor, "Deep");  // its page does not exist
        Click(editor, "Properties1");
        Select(editor, "Reference");
        Click(editor, "Properties1");
    });
    dialogs.Answer(mrOk)
        .AnswerInput("")
        .AnswerInput("Further")
        .AnswerForm([](TForm& form) {
            auto& dialog = dynamic_cast<TfrmTOCTopicProperties&>(form);
            EXPECT_EQ(form.Caption(), "Topic Properties");
            EXPECT_EQ(dialog.NameEdit().Text(), "Intro");
            EXPECT_EQ(dialog.PageList().Items()->Text(), "Details\r\nIntro\r\nReference\r\n");
            EXPECT_EQ(dialog.PageList().ItemIndex(), 1);
            dialog.NameEdit().SetText("Introduction");
            dialog.PageList().SetItemIndex(0);
            dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click();
        })
        .AnswerForm([](TForm& form) {
            auto& dialog = dynamic_cast<TfrmTOCTopicProperties&>(form);
            EXPECT_EQ(dialog.PageList().ItemIndex(), -1);
            dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click();
        })
        .AnswerForm([](TForm& form) {
            dynamic_cast<TfrmTOCTopicProperties&>(form).NameEdit().SetText("Lost");
            dynamic_cast<TButton*>(form.FindComponent("btnCancel"))->Click();
        });
    Run();
    EXPECT_EQ(Messages(), Lines{"Quillery: You must select an item first."});
    EXPECT_EQ(dialogs.Asked(2).Caption, "Group Properties");
    EXPECT_EQ(dialogs.Asked(2).Text, "Group Name");
    EXPECT_EQ(dialogs.Asked(2).Value, "More");
    EXPECT_EQ(dialogs.Asked(3).Value, "More");
    EXPECT_EQ(OutlineLines(project),
              (Lines{"Getting Started", "\tIntroduction", "\tFurther", "\t\tDeep", "\tDetails", "Reference"}));
    EXPECT_EQ(OutlineEntries(project), (Lines{"Getting Started||G", "Introduction|Details|T", "Further||G", "Deep||T",
                                              "Details|Details|T", "Reference|Reference|T"}));
}

TEST_F(TableOfContents, ATopicsPageIsFoundIgnoringCase) {
    AddEntries(project, {{"Intro", false, "INTRO"}});
    project.CreatePage("Intro");
    Script([&](TfrmTableOfContents& editor) {
        Select(editor, "Intro");
        Click(editor, "Properties1");
    });
    dialogs.AnswerForm([](TForm& form) {
        EXPECT_EQ(dynamic_cast<TfrmTOCTopicProperties&>(form).PageList().ItemIndex(), 0);
        dynamic_cast<TButton*>(form.FindComponent("btnOK"))->Click();
    });
    Run();
    EXPECT_EQ(OutlineEntries(project), Lines{"Intro|Intro|T"});
}

TEST_F(TableOfContents, AnEditorEndedByAnErrorStillGivesBackItsEntries) {
    AddSample();
    // The editor deletes a group, adds a topic, then fails: no answer is
    // left for the next question.
    dialogs.AnswerForm([&](TForm& form) {
        auto& editor = dynamic_cast<TfrmTableOfContents&>(form);
        Select(editor, "Getting Started");
        Click(editor, "DeleteTopicGroup1");
        Select(editor, "");
        Click(editor, "NewItemAtSubLevel1");
        Click(editor, "NewItemAtSubLevel1");
    });
    dialogs.AnswerInput("Added");
    EXPECT_THROW(RunTableOfContents(project, nullptr), EDialogScript);
    EXPECT_TRUE(project.Globals.Modified);
    EXPECT_EQ(OutlineEntries(project), (Lines{"Reference|Reference|T", "Added||T"}));
}

}  // namespace
