#include "vcl/classes/form_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "support_sample_classes.h"
#include "vcl/classes/component.h"

using namespace sample;

namespace {

const char* const kFull = R"(object Form1: TSampleForm
  Caption = 'It''s' + #13#10 +
    'two lines'#$41
  Width = -120
  Tag = $10
  Visible = False
  Kind = kdFull
  Options = [opSecond, opThird]
  Ratio = 1.5
  Stamp = 36526.25
  Accel = #65
  Data = {
    0A0B 0c}
  Lines.Strings = (
    'first'
    'sec' +
    'ond')
  Font.Name = 'Arial'
  Font.Size = 12
  Entries = <
    item
      Key = 'a'
      Target = Widget2
    end
    item
      Key = 'b'
    end>
  Peer = Form1.Widget2
  OnActivate = FormActivate
  object Widget1: TWidget
    Width = 30
    Peer = Widget2
    OnClick = FormActivate
    OnQuery = WidgetQuery
    object Widget2: TWidget
      OnClick = nil
    end
  end
  object TWidget
  end
end
)";

class FormReader : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSampleClasses();
        Log().clear();
    }
};

}  // namespace

TEST_F(FormReader, ReadsEveryValueKindAndNesting) {
    TSampleForm form(nullptr);
    ReadFormDeclaration(&form, kFull);
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.caption, "It's\r\ntwo linesA");
    EXPECT_EQ(form.width, -120);
    EXPECT_EQ(form.Tag(), 16);
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(form.kind, kdFull);
    EXPECT_EQ(form.options, (TOptions{opSecond, opThird}));
    EXPECT_DOUBLE_EQ(form.ratio, 1.5);
    EXPECT_DOUBLE_EQ(form.stamp, 36526.25);
    EXPECT_EQ(form.accel, 'A');
    EXPECT_EQ(form.data, "\x0A\x0B\x0C");
    EXPECT_EQ(form.lines.Text(), "first\r\nsecond\r\n");
    EXPECT_EQ(form.font.name, "Arial");
    EXPECT_EQ(form.font.size, 12);

    ASSERT_EQ(form.ComponentCount(), 3);  // all owned by the form
    auto* w1 = dynamic_cast<TWidget*>(form.FindComponent("Widget1"));
    auto* w2 = dynamic_cast<TWidget*>(form.FindComponent("widget2"));
    ASSERT_TRUE(w1 && w2);
    EXPECT_EQ(form.Components(2)->Name(), "");  // the anonymous one
    EXPECT_EQ(w1->parent, &form);               // declared inside the form
    EXPECT_EQ(w2->parent, w1);                  // declared inside Widget1
    EXPECT_EQ(w1->width, 30);
    EXPECT_TRUE(w1->loadingWhenSet);
    EXPECT_EQ(w2->width, 10);
    EXPECT_EQ(w1->peer, w2);  // a reference to a component declared later
    EXPECT_EQ(form.peer, w2);

    ASSERT_EQ(form.entries.Count(), 2);
    auto* e0 = static_cast<TEntrySample*>(form.entries.Items(0));
    EXPECT_EQ(e0->key, "a");
    EXPECT_EQ(e0->target, w2);
    EXPECT_EQ(static_cast<TEntrySample*>(form.entries.Items(1))->key, "b");

    // Handlers are bound to the form's published methods.
    ASSERT_TRUE(form.onActivate);
    EXPECT_EQ(form.onActivate.MethodName(), "FormActivate");
    EXPECT_EQ(form.onActivate, TNotifyEvent(&form, &TSampleForm::FormActivate));
    form.onActivate(&form);
    w1->onClick(w1);
    bool cont = true;
    w1->onQuery(w1, cont);
    EXPECT_FALSE(cont);
    EXPECT_FALSE(w2->onClick);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"FormActivate Form1", "FormActivate Widget1", "WidgetQuery Widget1"}));

    // Loaded in creation order, still loading until the inherited Loaded
    // clears the flag.
    EXPECT_EQ(Log(), (std::vector<std::string>{"Loaded Form1", "Loaded Widget1 (loading)", "Loaded Widget2 (loading)",
                                               "Loaded  (loading)"}));
    for (int i = 0; i < form.ComponentCount(); ++i) {
        EXPECT_FALSE(form.Components(i)->ComponentState().Contains(csLoading));
        EXPECT_FALSE(form.Components(i)->ComponentState().Contains(csReading));
    }
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

TEST_F(FormReader, CreatesTheRootByClassNameAndFindsInheritedComponents) {
    TComponent application(nullptr);
    TComponent* root = CreateFromFormDeclaration("object F: TSampleForm\n object W: TWidget\n end\nend", &application);
    ASSERT_NE(dynamic_cast<TSampleForm*>(root), nullptr);
    EXPECT_EQ(root->Owner(), &application);
    TComponent* w = root->FindComponent("W");
    ReadFormDeclaration(root, "inherited F: TSampleForm\n inherited W: TWidget\n  Width = 5\n end\nend");
    EXPECT_EQ(root->ComponentCount(), 1);
    EXPECT_EQ(static_cast<TWidget*>(w)->width, 5);
}

TEST_F(FormReader, BadDeclarationsNameTheLineAndLeaveNothingBehind) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object F: TSampleForm\n  Foo = 1\nend", "Line 2: Property Foo does not exist"},
        {"object F: TSampleForm\n  Font.Bold = True\nend", "Line 2: Property Font.Bold does not exist"},
        {"object F: TSampleForm\n\n  object B: TNoSuchClass\n  end\nend", "Line 3: Class TNoSuchClass not found"},
        {"object F: TSampleForm\n  Kind = kdHuge\nend", "Line 2: Invalid property value for Kind: kdHuge"},
        {"object F: TSampleForm\n  Width = 'wide'\nend", "Line 2: Invalid property value for Width: 'wide'"},
        {"object F: TSampleForm\n  Width = 3000000000\nend", "Line 2: Invalid property value for Width: 3000000000"},
        {"object F: TSampleForm\n  Options = [opFirst, opFourth]\nend", "Line 2: Invalid property value for Options: opFourth"},
        {"object F: TSampleForm\n  Visible = Maybe\nend", "Line 2: Invalid property value for Visible: Maybe"},
        {"object F: TSampleForm\n  object W: TWidget\n  end\n  object X: TWidget\n    Peer = Nobody\n  end\nend",
         "Line 5: Unresolved reference to Nobody in Peer"},
        {"object F: TSampleForm\n  object W: TWidget\n    Peer = F\n  end\nend",
         "Line 3: Invalid property value for Peer: F is not a TWidget"},
        {"object F: TSampleForm\n  OnActivate = Missing\nend", "Line 2: Method Missing does not exist"},
        {"object F: TSampleForm\n  OnActivate = WidgetQuery\nend",
         "Line 2: Method WidgetQuery does not match the type of OnActivate"},
        {"object F: TSampleForm\n  object W: TWidget\n  end\n  object W: TWidget\n  end\nend",
         "Line 4: A component named W already exists"},
        {"object F: TSampleForm\n  inherited Gone: TWidget\n  end\nend", "Line 2: Ancestor for 'Gone' not found"},
        {"object F: TSampleForm\n  Caption = 'open\nend", "Line 2: Invalid string constant"},
        {"object F: TSampleForm\n  Caption 'x'\nend", "Line 2: '=' expected"},
        {"object F: TSampleForm\n  Data = { 0A0 }\nend", "Line 2: Invalid binary value"},
        {"object F: TSampleForm\n  object W: TWidget\n", "Line 3: Unexpected end of file"},
        {"object F: TSampleForm\nend\nend", "Line 3: End of file expected"},
        {"object F: TWidget\nend", "Line 1: Declaration of class TWidget cannot be read into a TSampleForm"},
        {"", "Line 1: Unexpected end of file"},
    };
    for (const Case& c : cases) {
        TSampleForm form(nullptr);
        try {
            ReadFormDeclaration(&form, c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EFormDeclarationError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(form.ComponentCount(), 0) << c.text;
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
}

TEST_F(FormReader, AFailedCreationFreesTheRoot) {
    TComponent application(nullptr);
    EXPECT_THROW(CreateFromFormDeclaration("object F: TSampleForm\n object W: TWidget\n Bad = 1\n end\nend", &application),
                 EFormDeclarationError);
    EXPECT_EQ(application.ComponentCount(), 0);
    try {
        CreateFromFormDeclaration("object F: TNothing\nend", &application);
        ADD_FAILURE();
    } catch (const EFormDeclarationError& e) {
        EXPECT_EQ(e.Message(), "Line 1: Class TNothing not found");
    }
}

TEST_F(FormReader, MutatedDeclarationsNeverCrash) {
    const std::string base = kFull;
    std::mt19937 random(12345);
    const std::string alphabet = "'#$+-=:.,[](){}<>\r\n 0123456789AZaz_\xE9";
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text = base;
        switch (round % 4) {
            case 0: text.resize(random() % text.size()); break;
            case 1: text[random() % text.size()] = static_cast<char>(random() % 256); break;
            case 2: text.insert(random() % text.size(), 1, alphabet[random() % alphabet.size()]); break;
            default: text.erase(random() % text.size(), 1 + random() % 8); break;
        }
        TSampleForm form(nullptr);
        try {
            ReadFormDeclaration(&form, text);
            ++accepted;
        } catch (const EFormDeclarationError& e) {
            EXPECT_EQ(e.Message().rfind("Line ", 0), 0u) << e.Message();
            EXPECT_EQ(form.ComponentCount(), 0);
        }
    }
    EXPECT_GT(accepted, 0);
    // Deep nesting is refused rather than exhausting the stack.
    std::string deep = "object F: TSampleForm\n Lines.Strings = " + std::string(100000, '(');
    TSampleForm form(nullptr);
    EXPECT_THROW(ReadFormDeclaration(&form, deep), EFormDeclarationError);
}
