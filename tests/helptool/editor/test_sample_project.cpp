// The sample project in examples/: built here through the main window the
// way an author builds it, saved, and compared byte for byte with the
// committed files. QUILLERY_REWRITE_EXAMPLES=1 rewrites them instead.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/PageHeader.h"
#include "helptool/editor/support_main_window.h"
#include "model/TOCObject.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/std_controls.h"

namespace {

using testsupport::MainWindowTest;

const std::filesystem::path kExamples = std::filesystem::path(QUILLERY_TEST_DIR) / ".." / ".." / ".." / "examples";

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 32 x 32 24-bit Windows bitmap: a blue gradient with a green disc.
std::string SampleBitmap() {
    constexpr int kSide = 32;
    constexpr uint32_t kRowBytes = kSide * 3;  // already a multiple of four
    constexpr uint32_t kPixelBytes = kRowBytes * kSide;
    std::string bmp = "BM";
    PutLittleEndian(bmp, 54 + kPixelBytes, 4);
    PutLittleEndian(bmp, 0, 4);
    PutLittleEndian(bmp, 54, 4);
    PutLittleEndian(bmp, 40, 4);
    PutLittleEndian(bmp, kSide, 4);
    PutLittleEndian(bmp, kSide, 4);
    PutLittleEndian(bmp, 1, 2);
    PutLittleEndian(bmp, 24, 2);
    PutLittleEndian(bmp, 0, 4);
    PutLittleEndian(bmp, kPixelBytes, 4);
    PutLittleEndian(bmp, 2835, 4);
    PutLittleEndian(bmp, 2835, 4);
    PutLittleEndian(bmp, 0, 4);
    PutLittleEndian(bmp, 0, 4);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int dx = x - 16, dy = y - 16;
            const bool disc = dx * dx + dy * dy <= 100;
            const int shade = 96 + y * 5;
            bmp += static_cast<char>(disc ? 0x00 : 0xF0);   // blue
            bmp += static_cast<char>(disc ? 0x80 : shade);  // green
            bmp += static_cast<char>(disc ? 0x00 : shade / 2);  // red
        }
    return bmp;
}

class SampleProject : public MainWindowTest {
protected:
    void Type(const std::string& text) { form->mmoPage().SetSelText(text); }
    // Where `text` starts in the editor, counting a paragraph end once.
    int32_t Position(const std::string& text) const {
        std::string shown = form->mmoPage().Text();
        std::erase(shown, '\n');
        return static_cast<int32_t>(shown.find(text));
    }
    // Selects `text` in the editor and gives it the font `name`, `points`, `style`, `color`.
    void Format(const std::string& text, const std::string& name, int points, TFontStyles style,
                TColor color = clBlack) {
        const int32_t start = Position(text);
        ASSERT_GE(start, 0) << text;
        form->mmoPage().SetSelStart(start);
        form->mmoPage().SetSelLength(static_cast<int32_t>(text.size()));
        TFont font;
        font.SetName(name);
        font.SetSize(points);
        font.SetStyle(style);
        font.SetColor(color);
        dialogs.AnswerFont(font);
        form->mnuFontClick(nullptr);
        CursorToEnd();
    }
    void AddContents(const std::string& line, const std::string& name, bool isGroup, const std::string& page = {}) {
        auto* entry = new TTocObject(name, isGroup);
        entry->PageName = page;
        Project().Globals.TocList.AddObject(line, entry);
    }

    void BuildSample() {
        TGlobals& globals = Project().Globals;
        globals.HelpFileName = "Sample";
        globals.PageColor = 0xF0FFFF;
        globals.HeaderColor = 0xC08040;
        globals.WindowLeft = 120;
        globals.WindowTop = 80;
        globals.WindowWidth = 640;
        globals.WindowHeight = 480;
        AddContents("Getting Started", "Getting Started", true);
        AddContents("\tWelcome", "Welcome", false, "Welcome");
        AddContents("\tUsing Links", "Using Links", false, "Using Links");
        AddContents("Glossary", "Glossary", false, "Glossary");

        AddPage("Welcome");
        AddPage("Using Links");
        AddPage("Glossary");

        SelectPage(0);
        SetPageProperties("IDH_WELCOME", "Welcome to the Sample", "welcome;sample;introduction");
        Type("Welcome to the Sample\rThis project shows what a Quillery page holds: formatted text, a jump, "
             "a popup and a picture.\rRead more in ");
        InsertLink("Jump To Links", "Using Links", "Using Links", false);
        Type(", or look up a ");
        InsertLink("Word Popup", "Glossary", "word", true);
        Type(" in the glossary.\rThe sample's picture: ");
        dialogs.AnswerFile("sample.bmp");
        form->AddPicClick(nullptr);
        form->lstPictures().SetItemIndex(0);
        form->InsertPictureAtCursor2Click(nullptr);
        Format("Welcome to the Sample", "Arial", 16, {fsBold}, 0x800000);
        Format("formatted text", "Times New Roman", 10, {fsItalic});
        dialogs.AnswerForm([this](TForm& dialog) {
            auto& header = dynamic_cast<TfrmPageHeader&>(dialog);
            header.mmoHeader().SetSelText("Quillery Sample");
            header.mmoHeader().SelectAll();
            TFont font;
            font.SetName("Arial");
            font.SetSize(12);
            font.SetStyle({fsBold});
            dialogs.AnswerFont(font);
            header.mnuFontClick(nullptr);
            dialog.SetModalResult(mrOk);
        });
        form->Header1Click(nullptr);

        SelectPage(1);
        SetPageProperties("IDH_LINKS", "Using Links", "links;jump;popup");
        Type("A jump opens another page in the help window; a popup shows a page in a small window over this one.\r"
             "Back to the ");
        InsertLink("Back", "Welcome", "welcome page", false);
        Type(".");

        SelectPage(2);
        SetPageProperties("IDH_GLOSSARY", "Glossary", "glossary;word");
        Type("word: a unit of language; here, the text of a popup link.");
        Format("word:", "Arial", 10, {fsBold});

        SelectPage(0);
    }
};

TEST_F(SampleProject, TheCommittedSampleIsWhatTheWindowSaves) {
    BuildSample();
    dialogs.AnswerFile("C:\\sample.qpx");
    form->SaveAs1Click(nullptr);
    const std::string qpx = ReadBytes(machine.HostPath("C:\\sample.qpx"));
    ASSERT_FALSE(qpx.empty());
    const std::string bmp = SampleBitmap();

    if (const char* rewrite = std::getenv("QUILLERY_REWRITE_EXAMPLES"); rewrite && *rewrite) {
        std::ofstream(kExamples / "sample.qpx", std::ios::binary) << qpx;
        std::ofstream(kExamples / "sample.bmp", std::ios::binary) << bmp;
    }
    EXPECT_EQ(ReadBytes(kExamples / "sample.qpx"), qpx) << "rerun with QUILLERY_REWRITE_EXAMPLES=1";
    EXPECT_EQ(ReadBytes(kExamples / "sample.bmp"), bmp) << "rerun with QUILLERY_REWRITE_EXAMPLES=1";
}

}  // namespace
