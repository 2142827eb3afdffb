#include "build/TopicWriter.h"

#include "build/BuildMessages.h"
#include "build/BuildTextFile.h"
#include "build/MergedTables.h"
#include "build/RichTextConverter.h"
#include "build/RtfText.h"
#include "model/PageObject.h"

namespace {

void WriteFootnote(char mark, const std::string& value, std::string& out) {
    if (value.empty()) return;
    out += mark;
    out += "{\\footnote ";
    AppendRtfEscaped(value, out);
    out += "}\r\n";
}

}  // namespace

bool WriteTopic(const TPageObject& page, const std::string& pageName, const TPageNumbering& numbering,
                const TTopicContext& context, std::string& out) {
    WriteFootnote('#', page.TopicID, out);
    WriteFootnote('$', page.TopicTitle, out);
    WriteFootnote('K', page.IndexKeywords, out);
    bool linkError = false;
    if (page.Header.Count() > 0) {
        out += "\\keepn\r\n";
        // A failed header has shown its message; it is not a page error.
        linkError = ConvertRichText(page.Header, numbering.Header, nullptr, context, out) == TConversionResult::BadLink;
        out += "\\pard\r\n\\b0\r\n";
    }
    const TConversionResult result = ConvertRichText(page.Content, numbering.Content, &page.Links, context, out);
    if (result != TConversionResult::Done) context.Messages.Show("Error on page - " + pageName);
    return linkError || result == TConversionResult::BadLink;
}

TTopicFileResult WriteTopicFile(TBuildTextFile& file, const TStrings& pages, const TTopicContext& context) {
    TTopicFileResult result;
    file.WriteLine("{\\rtf1\\ansi\\deff0");
    file.WriteLine();
    file.WriteLine("{\\fonttbl");
    for (size_t n = 0; n < context.Tables.Fonts.size(); ++n)
        file.WriteLine("{\\f" + std::to_string(n) + context.Tables.Fonts[n]);
    file.WriteLine("}");
    file.WriteLine();
    file.WriteLine("{\\colortbl;");
    for (const std::string& color : context.Tables.Colors) file.WriteLine(color);
    file.WriteLine("}");
    file.WriteLine();
    file.WriteLine("\\plain\\fs20\\cf1");
    file.WriteLine();
    // Topics are gathered until they are large enough to go to the file
    // without passing through its buffer.
    std::string topics;
    topics.reserve(2 * TBuildTextFile::kWriteThroughSize);
    for (int i = 0; i < pages.Count(); ++i) {
        const auto* page = static_cast<const TPageObject*>(pages.Objects(i));
        const TPageNumbering numbering = context.Tables.PageNumbering(static_cast<size_t>(i));
        if (WriteTopic(*page, pages.Strings(i), numbering, context, topics)) result.LinkErrors = true;
        topics += "\r\n\\page\r\n\r\n";
        if (topics.size() >= TBuildTextFile::kWriteThroughSize) {
            file.Write(topics);
            topics.clear();
        }
    }
    file.Write(topics);
    file.WriteLine("}");
    return result;
}
