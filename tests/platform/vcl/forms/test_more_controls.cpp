// Status bar, spin buttons, splitter and image.
#include <gtest/gtest.h>

#include "support/fresh_machine.h"

#include <QImage>
#include <QLabel>

#include "vcl/classes/form_reader.h"
#include "vcl/forms/com_controls.h"
#include "vcl/forms/ext_controls.h"
#include "vcl/forms/form.h"
#include "vcl/forms/forms_registration.h"
#include "vcl/forms/host_paths.h"
#include "vcl/forms/std_controls.h"

namespace {

class MoreControls : public ::testing::Test {
protected:
    MoreControls() {
        RegisterFormsClasses();
        form.SetBounds(0, 0, 400, 300);
    }
    template <class T>
    T* Make() {
        auto* c = new T(&form);
        c->SetParent(&form);
        return c;
    }
    TForm form{nullptr};
};

TEST_F(MoreControls, StatusBarShowsSimpleTextOrItsPanels) {
    auto* bar = Make<TStatusBar>();
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top(), 300 - 19);
    bar->SetSimpleText("File Name:");
    EXPECT_EQ(bar->ShownText(), "File Name:");
    auto* first = static_cast<TStatusPanel*>(bar->Panels()->Add());
    auto* second = static_cast<TStatusPanel*>(bar->Panels()->Add());
    first->SetText("Page 1");
    second->SetText("Modified");
    EXPECT_EQ(bar->ShownText(), "Page 1|Modified");
    bar->SetSimplePanel(true);
    EXPECT_EQ(bar->ShownText(), "File Name:");
}

TEST_F(MoreControls, UpDownMovesWithinItsRangeAndShowsInItsAssociate) {
    auto* edit = Make<TEdit>();
    auto* spin = Make<TUpDown>();
    spin->SetMin(0);
    spin->SetMax(2);
    spin->SetAssociate(edit);
    std::vector<TUDBtnType> pressed;
    spin->SetOnClick(TUDClickEvent(spin, [&](TObject*, TUDBtnType b) { pressed.push_back(b); }));
    struct Step {
        TUDBtnType button;
        bool wrap;
        int32_t position;
    };
    const Step steps[] = {{btNext, false, 1}, {btNext, false, 2}, {btNext, false, 2}, {btNext, true, 0},
                          {btPrev, true, 2},  {btPrev, false, 1}};
    for (const Step& step : steps) {
        spin->SetWrap(step.wrap);
        spin->Press(step.button);
        EXPECT_EQ(spin->Position(), step.position);
        EXPECT_EQ(edit->Text(), std::to_string(step.position));
    }
    EXPECT_EQ(pressed.size(), std::size(steps));  // also at the ends
    spin->SetOnChanging(TUDChangingEvent(spin, [](TObject*, bool& allow) { allow = false; }));
    spin->Press(btNext);
    EXPECT_EQ(spin->Position(), 1);

    auto* buttons = Make<TSpinButton>();
    std::vector<std::string> clicks;
    buttons->SetOnUpClick(TNotifyEvent(buttons, [&](TObject*) { clicks.push_back("up"); }));
    buttons->SetOnDownClick(TNotifyEvent(buttons, [&](TObject*) { clicks.push_back("down"); }));
    buttons->DownClick();
    buttons->UpClick();
    EXPECT_EQ(clicks, (std::vector<std::string>{"down", "up"}));
}

TEST_F(MoreControls, SplitterResizesTheControlItFollows) {
    auto* left = Make<TPanel>();
    left->SetBounds(0, 0, 169, 10);
    left->SetAlign(alLeft);
    auto* splitter = Make<TSplitter>();
    splitter->SetLeft(170);
    splitter->SetAlign(alLeft);
    auto* right = Make<TPanel>();
    right->SetAlign(alClient);
    ASSERT_EQ(splitter->ResizedControl(), left);
    EXPECT_EQ(splitter->Left(), 169);

    splitter->MoveBy(31);
    EXPECT_EQ(left->Width(), 200);
    EXPECT_EQ(splitter->Left(), 200);
    EXPECT_EQ(right->Left(), 203);
    splitter->MoveBy(-500);  // never below MinSize
    EXPECT_EQ(left->Width(), 30);
}

TEST_F(MoreControls, ImageShowsAPictureFileAndRefusesAMissingOne) {
    testsupport::FreshMachine machine;
    const std::string host = (machine.HostPath("C:\\") / "logo.png").string();
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(QString::fromStdString(host)));

    ASSERT_EQ(WindowsPathOfHost(host), "C:\\logo.png");  // the machine's drive, not Z:
    auto* image = Make<TImage>();
    image->SetAutoSize(true);
    image->Picture()->LoadFromFile(WindowsPathOfHost(host));
    EXPECT_EQ(image->Width(), 24);
    EXPECT_EQ(image->Height(), 16);
    EXPECT_FALSE(static_cast<QLabel*>(image->Widget())->pixmap().isNull());
    image->Picture()->LoadFromFile("c:\\LOGO.PNG");  // Windows names ignore case
    EXPECT_THROW(image->Picture()->LoadFromFile("C:\\logo.missing"), EFOpenError);
    EXPECT_FALSE(image->Picture()->Empty());
}

TEST_F(MoreControls, ADeclarationSetsPanelsAndAssociates) {
    ReadFormDeclaration(&form, R"(object Form: TForm
  object edtLeft: TEdit
  end
  object UpDown1: TUpDown
    Max = 10
    Position = 4
    Associate = edtLeft
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'one'
        Width = 80
      end
      item
        Text = 'two'
      end>
  end
end
)");
    EXPECT_EQ(dynamic_cast<TEdit*>(form.FindComponent("edtLeft"))->Text(), "4");
    auto* bar = dynamic_cast<TStatusBar*>(form.FindComponent("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->ShownText(), "one|two");
    EXPECT_EQ(bar->Panel(0)->Width(), 80);
}

}  // namespace
