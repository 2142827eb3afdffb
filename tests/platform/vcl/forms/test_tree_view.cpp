// The tree view: nodes in tree order, levels, deletion of subtrees,
// selection and images.
#include <gtest/gtest.h>

#include "support/fresh_machine.h"

#include <QTest>
#include <QTreeWidget>

#include "vcl/forms/form.h"
#include "vcl/forms/image_list.h"
#include "vcl/forms/tree_view.h"

namespace {

class TreeView : public ::testing::Test {
protected:
    TreeView() {
        form.SetBounds(0, 0, 300, 300);
        tree = new TTreeView(&form);
        tree->SetParent(&form);
        tree->SetAlign(alClient);
        images = new TImageList(&form);
        images->AddStandard(siFolder);
        images->AddStandard(siDocument);
        tree->SetImages(images);
    }
    // The outline of the tree: one line per node, tabs for its depth.
    std::vector<std::string> Outline() const {
        std::vector<std::string> lines;
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n != nullptr; n = n->GetNext())
            lines.push_back(std::string(static_cast<size_t>(n->Level()), '\t') + n->Text());
        return lines;
    }
    TForm form{nullptr};
    TTreeView* tree;
    TImageList* images;
};

TEST_F(TreeView, NodesKeepTreeOrderLevelsAndData) {
    TObject intro, topic;
    TTreeNodes* items = tree->Items();
    TTreeNode* group = items->AddChild(nullptr, "Getting Started");
    TTreeNode* first = items->AddChildObject(group, "Intro", &intro);
    items->AddChild(group, "Details");
    TTreeNode* sub = items->AddChild(group, "More");
    items->AddChildObject(sub, "Deep", &topic);
    items->Add(group, "Reference");  // a sibling of the group
    items->Add(first, "After Details");

    EXPECT_EQ(Outline(), (std::vector<std::string>{"Getting Started", "\tIntro", "\tDetails", "\tMore", "\t\tDeep",
                                                   "\tAfter Details", "Reference"}));
    EXPECT_EQ(items->Count(), 7);
    EXPECT_EQ(items->Item(4)->Data(), &topic);
    EXPECT_EQ(items->Item(4)->Parent(), sub);
    EXPECT_EQ(items->Item(4)->AbsoluteIndex(), 4);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_THROW(items->Item(7), EListError);
    EXPECT_EQ(tree->TreeWidget()->topLevelItemCount(), 2);

    group->Delete();  // with everything below it
    EXPECT_EQ(Outline(), std::vector<std::string>{"Reference"});
    EXPECT_EQ(tree->TreeWidget()->topLevelItemCount(), 1);
}

TEST_F(TreeView, SelectionFiresOnChangeAndShowsTheSelectedImage) {
    TTreeNode* group = tree->Items()->AddChild(nullptr, "Group");
    group->SetImageIndex(0);
    group->SetSelectedIndex(0);
    TTreeNode* topic = tree->Items()->AddChild(group, "Topic");
    topic->SetImageIndex(1);
    topic->SetSelectedIndex(1);
    tree->FullExpand();
    EXPECT_TRUE(group->Expanded());
    std::vector<std::string> changes;
    tree->SetOnChange(TTVChangedEvent(tree, [&](TObject*, TTreeNode* node) {
        changes.push_back(node != nullptr ? node->Text() : "none");
    }));

    topic->SetSelected(true);
    EXPECT_EQ(tree->Selected(), topic);
    EXPECT_TRUE(topic->Selected());
    EXPECT_FALSE(tree->TreeWidget()->topLevelItem(0)->child(0)->icon(0).isNull());
    tree->SetSelected(nullptr);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(changes, (std::vector<std::string>{"Topic", "none"}));
}

TEST_F(TreeView, ARightClickSelectsTheNodeUnderThePointerOnlyWhenAsked) {
    tree->Items()->AddChild(nullptr, "One");
    TTreeNode* two = tree->Items()->AddChild(nullptr, "Two");
    form.Show();
    const QRect rect = tree->TreeWidget()->visualItemRect(tree->TreeWidget()->topLevelItem(1));
    QTest::mouseClick(tree->TreeWidget()->viewport(), Qt::RightButton, Qt::NoModifier, rect.center());
    EXPECT_EQ(tree->Selected(), nullptr);
    tree->SetRightClickSelect(true);
    QTest::mouseClick(tree->TreeWidget()->viewport(), Qt::RightButton, Qt::NoModifier, rect.center());
    EXPECT_EQ(tree->Selected(), two);
    EXPECT_EQ(tree->GetNodeAt(rect.center().x(), rect.center().y()), two);
    EXPECT_EQ(tree->GetNodeAt(5, rect.bottom() + 50), nullptr);
}

TEST_F(TreeView, APictureFileThatCannotBeReadIsAnError) {
    testsupport::FreshMachine machine;
    EXPECT_THROW(images->AddFromFile("C:\\no-such-picture.bmp"), EFOpenError);
    EXPECT_THROW(images->AddFromFile("Z:\\no\\such\\picture.bmp"), EFOpenError);
    EXPECT_EQ(images->Count(), 2);
}

}  // namespace
