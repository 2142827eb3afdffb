// The setup's dialog form base: its translation steps through the main
// translator, the open-forms registry, its declaration, and install
// containers placed on a real form.

#include <gtest/gtest.h>

#include <memory>

#include "objects/base_quorvel_form.h"
#include "objects/install_directory.h"
#include "objects/install_registries.h"
#include "paths/cmp_TPathSpecifier.h"
#include "support/fresh_machine.h"
#include "support/pending_messages.h"
#include "support_install_tree.h"
#include "vcl/classes/form_reader.h"

namespace {

// Records every entry-point call in order; texts are translated into a
// fixed language.
class TRecordingTranslator : public TMainTranslator {
public:
    explicit TRecordingTranslator(std::vector<std::string>& calls) : calls_(calls) {}
    std::string TranslateText(TQrvlLanguage, const std::string& text) override { return "[" + text + "]"; }
    TQrvlLanguage TranslateComponent(TQrvlLanguage source, TComponent*) override {
        calls_.push_back("texts " + std::to_string(source));
        return qlGerman;
    }
    TQrvlLanguage TranslateComponentInto(TQrvlLanguage source, TQrvlLanguage target, TComponent*) override {
        calls_.push_back("texts " + std::to_string(source) + " into " + std::to_string(target));
        return target;
    }
    void SetControlFonts(TControl*, bool force) override { calls_.push_back(force ? "fonts forced" : "fonts"); }
    void SetControlFontsInto(TQrvlLanguage target, TControl*, bool force) override {
        calls_.push_back(std::string(force ? "fonts forced" : "fonts") + " into " + std::to_string(target));
    }

private:
    std::vector<std::string>& calls_;
};

// Installs the recording translator and a pending-messages recorder for
// one test, and removes them again.
class TranslateFormTest : public ::testing::Test {
protected:
    TranslateFormTest() {
        previousTranslator_ = SetMainTranslator(&translator);
        previousMessages_ = SetPendingMessagesHandler([this] { calls.push_back("messages"); });
    }
    ~TranslateFormTest() override {
        SetMainTranslator(previousTranslator_);
        SetPendingMessagesHandler(previousMessages_);
    }

    std::vector<std::string> calls;
    TRecordingTranslator translator{calls};

private:
    TMainTranslator* previousTranslator_;
    std::function<void()> previousMessages_;
};

struct TranslateCase {
    const char* name;
    bool autoSetFont;
    bool autoTranslate;
    bool overrideMain;
    std::vector<std::string> calls;
    TQrvlLanguage languageAfter;
};

class TranslateFormCases : public TranslateFormTest, public ::testing::WithParamInterface<TranslateCase> {};

TEST_P(TranslateFormCases, FontsThenTextsThenPendingMessages) {
    const TranslateCase& c = GetParam();
    TBaseQuorvelForm form(nullptr);
    form.SetAutoSetFont(c.autoSetFont);
    form.SetAutoTranslate(c.autoTranslate);
    form.SetOverrideMainTranslator(c.overrideMain);
    form.SetTranslateIntoLanguage(qlFrench);
    form.PrepareForm();
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(form.CurrentLanguage(), c.languageAfter);
}

// qlEnglish is 5, qlFrench 6, qlGerman 7.
INSTANTIATE_TEST_SUITE_P(
    Settings, TranslateFormCases,
    ::testing::Values(
        TranslateCase{"Both", true, true, false, {"fonts", "texts 5", "messages"}, qlGerman},
        TranslateCase{"BothIntoOwnLanguage", true, true, true, {"fonts into 6", "texts 5 into 6", "messages"}, qlFrench},
        TranslateCase{"TextsOnly", false, true, false, {"texts 5", "messages"}, qlGerman},
        TranslateCase{"FontsOnly", true, false, true, {"fonts into 6", "messages"}, qlEnglish},
        TranslateCase{"Neither", false, false, false, {"messages"}, qlEnglish}),
    [](const ::testing::TestParamInfo<TranslateCase>& info) { return std::string(info.param.name); });

TEST_F(TranslateFormTest, TextsTranslateFromTheLanguageTheFormIsIn) {
    TBaseQuorvelForm form(nullptr);
    form.SetAutoSetFont(false);
    form.TranslateForm();
    form.TranslateForm();
    EXPECT_EQ(calls, (std::vector<std::string>{"texts 5", "messages", "texts 7", "messages"}));
    EXPECT_EQ(MainTranslateText("Aborted"), "[Aborted]");
}

TEST(QuorvelForm, WithoutATranslatorNothingChanges) {
    ASSERT_EQ(MainTranslator(), nullptr);
    TBaseQuorvelForm form(nullptr);
    form.SetCurrentLanguage(qlDutch);
    form.SetOverrideMainTranslator(true);
    form.TranslateForm();
    EXPECT_EQ(form.CurrentLanguage(), qlDutch);
    EXPECT_EQ(MainTranslateText("Circular reference"), "Circular reference");
    EXPECT_EQ(MainTranslateComponentInto(qlSpanish, qlFrench, &form), qlSpanish);
}

TEST(QuorvelForm, DefaultsCharsetAndOpenFormsRegistry) {
    const int before = OpenForms().Count();
    auto form = std::make_unique<TBaseQuorvelForm>(nullptr);
    EXPECT_EQ(form->Font()->Charset(), 0);
    EXPECT_TRUE(form->AutoSetFont());
    EXPECT_TRUE(form->AutoTranslate());
    EXPECT_EQ(form->CurrentLanguage(), qlEnglish);
    EXPECT_FALSE(form->OverrideMainTranslator());
    EXPECT_EQ(form->TranslateIntoLanguage(), qlUser);
    ASSERT_EQ(OpenForms().Count(), before + 1);
    EXPECT_EQ(OpenForms().Items(before), form.get());
    form.reset();
    EXPECT_EQ(OpenForms().Count(), before);
}

TEST(QuorvelForm, ForgetsItsInstallObjectWhenThatIsFreed) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm owner(nullptr);
    TBaseQuorvelForm form(nullptr);
    auto* directory = new TInstallDirectory(&owner);
    form.SetInstallObject(directory);
    EXPECT_EQ(form.InstallObject(), directory);
    Free(directory);
    EXPECT_EQ(form.InstallObject(), nullptr);
}

TEST(QuorvelForm, StreamsInFromADeclaration) {
    RegisterTestClasses();
    std::unique_ptr<TComponent> root(CreateFromFormDeclaration(
        "object dlgWelcome: TBaseQuorvelForm\n"
        "  Caption = 'Welcome'\n"
        "  AutoTranslate = False\n"
        "  object lblWelcome: TLabel\n"
        "    Caption = 'Welcome to the setup'\n"
        "  end\n"
        "end\n",
        nullptr));
    auto* form = dynamic_cast<TBaseQuorvelForm*>(root.get());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->AutoTranslate());
    EXPECT_TRUE(form->AutoSetFont());
    EXPECT_NE(form->FindComponent("lblWelcome"), nullptr);
    EXPECT_EQ(OpenForms().IndexOf(form), OpenForms().Count() - 1);
}

TEST(QuorvelForm, ContainersOnARealFormMakeTheStandardSpecifiers) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TForm form(nullptr);
    new TInstallDirectory(&form);
    new TInstallDirectory(&form);
    EXPECT_NE(form.FindComponent("psProgramFiles"), nullptr);
    EXPECT_NE(form.FindComponent("psOfficeFavoritesDirectory"), nullptr);
    int standard = 0;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (dynamic_cast<TStandardPathSpecifier*>(form.Components(i)) != nullptr) ++standard;
    EXPECT_EQ(standard, 35);
}

}  // namespace
