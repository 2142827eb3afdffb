#include "build/TopicWriter.h"

#include <algorithm>
#include <future>
#include <vector>

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

// Messages kept to be shown later, in the order they came.
class TKeptMessages : public IBuildMessages {
public:
    void Show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// The topics of a run of pages, converted apart from the rest.
struct TTopicBatch {
    std::string text;
    std::vector<std::string> messages;
    bool linkErrors = false;
};

// Batches are large enough to keep both threads busy, small enough to
// keep little of the file in memory; a batch of fewer pages than
// kPagesToShare is not worth a thread.
constexpr int kPagesPerBatch = 256;
constexpr int kPagesToShare = 32;

TTopicBatch ConvertTopics(const TStrings& pages, int first, int end, const TTopicContext& context) {
    TTopicBatch batch;
    TKeptMessages messages;
    const TTopicContext batchContext{context.Tables, context.Pages, messages};
    for (int i = first; i < end; ++i) {
        const auto* page = static_cast<const TPageObject*>(pages.Objects(i));
        const TPageNumbering numbering = context.Tables.PageNumbering(static_cast<size_t>(i));
        if (WriteTopic(*page, pages.Strings(i), numbering, batchContext, batch.text)) batch.linkErrors = true;
        batch.text += "\r\n\\page\r\n\r\n";
    }
    batch.messages = std::move(messages.messages);
    return batch;
}

void EmitTopics(const TTopicBatch& batch, TBuildTextFile& file, IBuildMessages& messages, TTopicFileResult& result) {
    for (const std::string& message : batch.messages) messages.Show(message);
    file.Write(batch.text);
    if (batch.linkErrors) result.LinkErrors = true;
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
        linkError =
            ConvertRichText(page.Header, numbering.Header, nullptr, context, out) == TConversionResult::BadLink;
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
    // Topics are converted a batch of pages at a time, the second half of
    // each batch on a thread of its own; the batches are written, and
    // their messages shown, in page order, so that the file and the
    // messages are those of a conversion page after page.
    for (int first = 0; first < pages.Count(); first += kPagesPerBatch) {
        const int end = std::min(first + kPagesPerBatch, pages.Count());
        const int middle = end - first >= kPagesToShare ? first + (end - first) / 2 : end;
        std::future<TTopicBatch> secondHalf;
        if (middle < end)
            secondHalf = std::async(std::launch::async, [&] { return ConvertTopics(pages, middle, end, context); });
        const TTopicBatch firstHalf = ConvertTopics(pages, first, middle, context);
        EmitTopics(firstHalf, file, context.Messages, result);
        if (secondHalf.valid()) EmitTopics(secondHalf.get(), file, context.Messages, result);
    }
    file.WriteLine("}");
    return result;
}
