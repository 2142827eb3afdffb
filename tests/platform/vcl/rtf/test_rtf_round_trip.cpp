#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support_rich_text.h"
#include "vcl/rtf/rtf_reader.h"
#include "vcl/rtf/rtf_writer.h"

using namespace richtest;

namespace {

std::vector<TRichDocument> Samples() {
    TRichAttributes courier = InFont("Courier New", 18);
    courier.Font.Pitch = 1;
    TRichAttributes greek = InFont("Arial Greek", 20);
    greek.Font.Charset = 161;
    TRichAttributes all = InFont("Times New Roman", 48);
    all.Bold = all.Italic = all.Underline = all.StrikeOut = all.Protected = true;
    all.Color = 0x123456;
    TRichDocument customDefaults(InFont("Tahoma", 16));
    customDefaults.AppendParagraph();
    customDefaults.AppendText("after an empty first line", InFont("Tahoma", 16));
    return {
        TRichDocument{},
        PlainDocument("\r\n\r\n"),
        PlainDocument("one\r\n\r\nthree\r\n"),
        Build({{{"See "}, {"##Intro##", Marker()}, {" and "}, {"#C:\\pics\\a b.bmp#", Marker()}}, {{"next"}}}),
        Build({{{"\t{braces} \\ and caf\xe9 \x80\x01\xff", Bold()}, {"  two spaces  "}, {"k", Colored(0)}}}),
        Build({{{"c", courier}, {"g", greek}, {"a", all}, {"r", Colored(0x0000FF)}}, {}, {{"x", all}}}),
        customDefaults,
    };
}

// What every document must be, whatever it was read from.
void ExpectWellFormed(const TRichDocument& document, const std::string& source) {
    ASSERT_FALSE(document.Paragraphs().empty()) << source;
    int32_t length = static_cast<int32_t>(document.Paragraphs().size()) - 1;
    for (const TRichParagraph& paragraph : document.Paragraphs()) {
        for (size_t i = 0; i < paragraph.Runs.size(); ++i) {
            const TRichRun& run = paragraph.Runs[i];
            ASSERT_FALSE(run.Text.empty()) << source;
            ASSERT_EQ(run.Text.find_first_of("\r\n"), std::string::npos) << source;
            if (i > 0) {
                ASSERT_FALSE(run.Attributes == paragraph.Runs[i - 1].Attributes) << source;
            }
            ASSERT_GE(run.Attributes.HalfPoints, 2) << source;
            length += static_cast<int32_t>(run.Text.size());
        }
    }
    ASSERT_EQ(document.Length(), length) << source;
}

}  // namespace

TEST(RtfRoundTrip, WrittenAndReadBackIsTheSameDocument) {
    for (const TRichDocument& document : Samples()) {
        const std::string rtf = WriteRtf(document);
        EXPECT_EQ(ReadRtf(rtf, document.DefaultAttributes()), document) << rtf;
        EXPECT_EQ(ReadRtfLines(WriteRtfLines(document), document.DefaultAttributes()), document) << rtf;
    }
}

TEST(RtfRoundTrip, ReadingWhatAnotherControlWroteSettlesAfterOneSave) {
    for (const char* name : {"older_control_page.rtf", "wordpad_page.rtf"}) {
        const TRichDocument first = ReadRtf(testsupport::ReadHostFile(std::string(QUILLERY_TEST_DIR) + "/" + name));
        const std::string saved = WriteRtf(first);
        EXPECT_EQ(ReadRtf(saved), first) << name;
        EXPECT_EQ(WriteRtf(ReadRtf(saved)), saved) << name;
    }
}

// Damaged rich text of every kind: the reader must end, give a well-formed
// document, and that document must survive its own round trip.
TEST(RtfRoundTrip, MutatedInputNeverBreaksTheReader) {
    std::vector<std::string> seeds;
    for (const TRichDocument& document : Samples()) seeds.push_back(WriteRtf(document));
    for (const char* name : {"older_control_page.rtf", "wordpad_page.rtf"})
        seeds.push_back(testsupport::ReadHostFile(std::string(QUILLERY_TEST_DIR) + "/" + name));

    const std::string alphabet = "{}\\;'*0123456789-abcdefuclnprs \r\n\x80\xff";
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string rtf = seeds[random() % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !rtf.empty(); ++e) {
            const size_t at = random() % rtf.size();
            switch (random() % 5) {
            case 0: rtf.erase(at, 1 + random() % 4); break;
            case 1: rtf.insert(at, 1, alphabet[random() % alphabet.size()]); break;
            case 2: rtf[at] = static_cast<char>(random() % 256); break;
            case 3: rtf.insert(at, rtf.substr(random() % rtf.size(), random() % 40)); break;
            case 4: rtf.resize(at); break;
            }
        }
        const TRichDocument document = ReadRtf(rtf);
        ExpectWellFormed(document, rtf);
        ASSERT_EQ(ReadRtf(WriteRtf(document)), document) << rtf;
        if (HasFatalFailure()) return;
    }
}
