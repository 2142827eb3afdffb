// List boxes and combo boxes: items with objects, selection, clicks.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QListWidget>
#include <QStyleHints>
#include <QTest>

#include "vcl/forms/form.h"
#include "vcl/forms/std_controls.h"

namespace {

class ListControls : public ::testing::Test {
protected:
    ListControls() {
        form.SetBounds(0, 0, 300, 300);
        list = new TListBox(&form);
        list->SetParent(&form);
        list->SetBounds(0, 0, 200, 200);
        list->SetOnClick(TNotifyEvent(list, [this](TObject*) { clicks.push_back(list->ItemIndex()); }));
    }
    TForm form{nullptr};
    TListBox* list;
    std::vector<int> clicks;
};

TEST_F(ListControls, ItemsKeepTheirObjectsAndTheWidgetFollowsTheList) {
    TObject a, b;
    list->Items()->AddObject("New Page 1", &a);
    list->Items()->AddObject("New Page 2", &b);
    auto* widget = static_cast<QListWidget*>(list->Widget());
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(1)->text(), "New Page 2");
    EXPECT_EQ(list->Items()->Objects(1), &b);
    EXPECT_EQ(list->ItemIndex(), -1);

    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Items()->Exchange(0, 1);  // the page moves up and stays selected by index
    EXPECT_EQ(widget->item(0)->text(), "New Page 2");
    EXPECT_EQ(list->Items()->Objects(0), &b);
    list->Items()->Delete(1);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(5);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_TRUE(clicks.empty());  // program changes fire no OnClick
}

TEST_F(ListControls, SortedListsInsertInOrder) {
    list->SetSorted(true);
    for (const char* name : {"Pictures", "links", "Contents"}) list->Items()->Add(name);
    EXPECT_EQ(list->Items()->CommaText(), "Contents,links,Pictures");
    EXPECT_EQ(static_cast<QListWidget*>(list->Widget())->item(2)->text(), "Pictures");
}

TEST_F(ListControls, UserClicksFireOnClickAndMouseDownGivesTheEntryUnderThePointer) {
    for (const char* name : {"a", "b", "c"}) list->Items()->Add(name);
    form.Show();
    auto* widget = static_cast<QListWidget*>(list->Widget());
    const QRect second = widget->visualItemRect(widget->item(1));
    int downAt = -2;
    std::vector<TMouseButton> buttons;
    list->SetOnMouseDown(TMouseEvent(list, [&](TObject*, TMouseButton button, TShiftState, int32_t x, int32_t y) {
        buttons.push_back(button);
        downAt = list->ItemAtPos(x, y, true);
    }));
    QTest::mouseClick(widget->viewport(), Qt::RightButton, Qt::NoModifier, second.center());
    EXPECT_EQ(downAt, 1);
    EXPECT_EQ(buttons, std::vector<TMouseButton>{mbRight});
    EXPECT_EQ(list->ItemIndex(), -1);  // the right button alone selects nothing
    EXPECT_EQ(list->ItemAtPos(5, second.bottom() + 3 * second.height(), true), -1);
    EXPECT_EQ(list->ItemAtPos(5, second.bottom() + 3 * second.height(), false), 3);

    clicks.clear();
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);  // two single clicks
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(clicks, (std::vector<int>{1, 1}));  // also for the selected entry
}

TEST_F(ListControls, MultiSelectReportsEachEntry) {
    for (const char* name : {"a", "b", "c"}) list->Items()->Add(name);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(2, true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(2));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_THROW(list->Selected(3), EListError);
}

TEST_F(ListControls, DropDownListTextIsTheChosenEntry) {
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    for (const char* name : {"Intro", "Details"}) combo->Items()->Add(name);
    int changes = 0;
    combo->SetOnChange(TNotifyEvent(combo, [&](TObject*) { ++changes; }));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(combo->Items()->IndexOf("details"));
    EXPECT_EQ(combo->Text(), "Details");
    combo->SetText("Nowhere");  // not an entry: nothing chosen
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(changes, 0);
}

}  // namespace
