#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"
#include "support_rich_text.h"
#include "vcl/rtf/rtf_writer.h"
#include "win32/codepage.h"

using namespace richtest;

namespace {

const std::string kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
const std::string kArial = "{\\f0\\fswiss\\fcharset0 Arial;}";

struct WriterCase {
    const char* what;
    TRichDocument document;
    std::string rtf;
};

std::vector<WriterCase> WriterCases() {
    TRichAttributes pitched = Plain();
    pitched.Font = TRichFont{"Foo;Bar", TRichFontFamily::ffNil, 0, 2};
    TRichAttributes symbol = Plain();
    symbol.Font = FontForName("Symbol");
    TRichAttributes struck = InFont("Times New Roman", 24);
    struck.StrikeOut = true;
    struck.Italic = true;
    return {
        {"empty", TRichDocument{},
         kHeader + kArial + "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\\par\r\n}\r\n"},
        {"plain paragraphs, an empty one among them", PlainDocument("Hello\r\n\r\nworld"),
         kHeader + kArial + "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 Hello\\par\r\n\\par\r\nworld\\par\r\n}\r\n"},
        {"a link marker", Build({{{"See "}, {"##Intro##", Marker()}, {" here"}}}),
         kHeader + kArial + "}\r\n{\\colortbl ;\\red0\\green128\\blue0;}\r\n"
                            "\\viewkind4\\uc1\\pard\\f0\\fs20 See \\cf1\\ul\\protect ##Intro##\\cf0\\ulnone\\protect0  "
                            "here\\par\r\n}\r\n"},
        {"a picture marker keeps its backslashes doubled", Build({{{"#C:\\pics\\a.bmp#", Marker()}}}),
         kHeader + kArial + "}\r\n{\\colortbl ;\\red0\\green128\\blue0;}\r\n"
                            "\\viewkind4\\uc1\\pard\\cf1\\ul\\protect\\f0\\fs20 #C:\\\\pics\\\\a.bmp#\\par\r\n}\r\n"},
        {"escapes, tabs and bytes above 0x7F", PlainDocument("\ta\\b {x} caf\xe9\ttab\x01"),
         kHeader + kArial + "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\\tab a\\\\b \\{x\\} caf\\'e9\\tab tab\\'01\\par\r\n}\r\n"},
        {"styles and a second font",
         Build({{{"bold", Bold()}, {" "}, {"it", struck}}, {{"x", InFont("Times New Roman", 24)}}}),
         kHeader + kArial + "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
                            "\\viewkind4\\uc1\\pard\\b\\f0\\fs20 bold\\b0  \\i\\strike\\f1\\fs24 it\\par\r\n"
                            "\\i0\\strike0 x\\par\r\n}\r\n"},
        {"colours in order of first use, black as a colour of its own",
         Build({{{"r", Colored(0x0000FF)}, {"b", Colored(0xFF0000)}, {"k", Colored(0)}, {"r", Colored(0x0000FF)}, {"."}}}),
         kHeader + kArial + "}\r\n{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue0;}\r\n"
                            "\\viewkind4\\uc1\\pard\\cf1\\f0\\fs20 r\\cf2 b\\cf3 k\\cf1 r\\cf0 .\\par\r\n}\r\n"},
        {"an empty first paragraph starts with the default font", Build({{}, {{"t", InFont("Times New Roman", 20)}}}),
         kHeader + kArial + "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
                            "\\viewkind4\\uc1\\pard\\f0\\fs20\\par\r\n\\f1 t\\par\r\n}\r\n"},
        {"pitch, symbol charset, and no semicolon in a font name", Build({{{"p", pitched}, {"s", symbol}}}),
         kHeader + "{\\f0\\fnil\\fprq2\\fcharset0 FooBar;}{\\f1\\ftech\\fcharset2 Symbol;}}\r\n"
                   "\\viewkind4\\uc1\\pard\\f0\\fs20 p\\f1 s\\par\r\n}\r\n"},
    };
}

// The text unrtf sees in `rtf`, with every run of white space made one
// space (unrtf lays tabs and paragraphs out in its own way).
std::string TextSeenByUnrtf(const std::string& rtf) {
    testsupport::TempDir dir("quillery-rtf");
    testsupport::WriteHostFile(dir / "page.rtf", rtf);
    const std::string command = "unrtf --text '" + (dir / "page.rtf").string() + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "<unrtf did not start>";
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    if (pclose(pipe) != 0) return "<unrtf failed>";
    const size_t rule = output.find("-----------------\n");
    if (rule == std::string::npos) return "<no text in unrtf output: " + output + ">";
    return output.substr(rule + 18);
}

std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!space)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

TEST(RtfWriter, WritesTheShapeOfTheWindowsControl) {
    for (const WriterCase& c : WriterCases()) EXPECT_EQ(WriteRtf(c.document), c.rtf) << c.what;
}

TEST(RtfWriter, LinesAreTheFileWithoutLineEnds) {
    const TRichDocument document = Build({{{"a"}, {"##L##", Marker()}}, {{"b"}}});
    const std::vector<std::string> lines = WriteRtfLines(document);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], kHeader + kArial + "}");
    EXPECT_EQ(lines[1], "{\\colortbl ;\\red0\\green128\\blue0;}");
    EXPECT_EQ(lines[4], "}");
    std::string joined;
    for (const std::string& line : lines) joined += line + "\r\n";
    EXPECT_EQ(joined, WriteRtf(document));
}

TEST(RtfWriter, UnrtfReadsTheSameText) {
    for (const WriterCase& c : WriterCases()) {
        EXPECT_EQ(Squeezed(TextSeenByUnrtf(c.rtf)), Squeezed(c.document.Text())) << c.what;
    }
}

TEST(RtfWriter, HeaderNamesTheMachineCodePage) {
    struct CodePage {
        uint32_t previous = win32::GetACP();
        CodePage() { win32::SetACP(1250); }
        ~CodePage() { win32::SetACP(previous); }
    } centralEuropean;
    EXPECT_EQ(WriteRtfLines(TRichDocument{})[0].substr(0, 41), "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1033");
}
