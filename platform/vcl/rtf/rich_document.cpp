#include "vcl/rtf/rich_document.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Makes a run boundary at `offset` and returns the index of the first run
// that starts there (Runs.size() at the paragraph's end).
size_t SplitAt(TRichParagraph& paragraph, int32_t offset) {
    int32_t runStart = 0;
    for (size_t i = 0; i < paragraph.Runs.size(); ++i) {
        const int32_t runLength = static_cast<int32_t>(paragraph.Runs[i].Text.size());
        if (offset == runStart) return i;
        if (offset < runStart + runLength) {
            TRichRun tail{paragraph.Runs[i].Text.substr(offset - runStart), paragraph.Runs[i].Attributes};
            paragraph.Runs[i].Text.resize(offset - runStart);
            paragraph.Runs.insert(paragraph.Runs.begin() + i + 1, std::move(tail));
            return i + 1;
        }
        runStart += runLength;
    }
    return paragraph.Runs.size();
}

// Drops empty runs and merges neighbours with equal attributes.
void Normalize(TRichParagraph& paragraph) {
    std::vector<TRichRun> runs;
    for (TRichRun& run : paragraph.Runs) {
        if (run.Text.empty()) continue;
        if (!runs.empty() && runs.back().Attributes == run.Attributes)
            runs.back().Text += run.Text;
        else
            runs.push_back(std::move(run));
    }
    paragraph.Runs = std::move(runs);
}

void AppendRun(TRichParagraph& paragraph, std::string_view text, const TRichAttributes& attributes) {
    if (text.empty()) return;
    if (!paragraph.Runs.empty() && paragraph.Runs.back().Attributes == attributes)
        paragraph.Runs.back().Text += text;
    else
        paragraph.Runs.push_back(TRichRun{std::string(text), attributes});
}

// The text split at its line breaks ("\r\n", "\r", "\n").
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t begin = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(begin, i - begin));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        begin = i + 1;
    }
    lines.push_back(text.substr(begin));
    return lines;
}

}  // namespace

int32_t TRichParagraph::Length() const {
    int32_t length = 0;
    for (const TRichRun& run : Runs) length += static_cast<int32_t>(run.Text.size());
    return length;
}

std::string TRichParagraph::Text() const {
    std::string text;
    for (const TRichRun& run : Runs) text += run.Text;
    return text;
}

int32_t TRichDocument::Length() const {
    int32_t length = static_cast<int32_t>(paragraphs_.size()) - 1;
    for (const TRichParagraph& paragraph : paragraphs_) length += paragraph.Length();
    return length;
}

int32_t TRichDocument::Clamp(int32_t pos) const { return std::clamp(pos, 0, Length()); }

std::pair<int32_t, int32_t> TRichDocument::ClampRange(int32_t start, int32_t length) const {
    const int64_t end = std::clamp<int64_t>(int64_t{start} + std::max(length, 0), 0, Length());
    const int32_t begin = Clamp(start);
    return {begin, static_cast<int32_t>(std::max<int64_t>(end, begin))};
}

TRichDocument::Place TRichDocument::Locate(int32_t pos) const {
    pos = Clamp(pos);
    for (size_t i = 0; i + 1 < paragraphs_.size(); ++i) {
        const int32_t length = paragraphs_[i].Length();
        if (pos <= length) return {i, pos};
        pos -= length + 1;
    }
    return {paragraphs_.size() - 1, pos};
}

std::string TRichDocument::Text() const {
    std::string text;
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += paragraphs_[i].Text();
    }
    return text;
}

std::string TRichDocument::TextRange(int32_t start, int32_t length) const {
    const auto [begin, end] = ClampRange(start, length);
    std::string all;
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (i > 0) all += '\r';
        all += paragraphs_[i].Text();
    }
    return all.substr(begin, end - begin);
}

char TRichDocument::CharAt(int32_t pos) const {
    if (pos < 0 || pos >= Length()) return 0;
    const Place place = Locate(pos);
    const TRichParagraph& paragraph = paragraphs_[place.paragraph];
    if (place.offset == paragraph.Length()) return '\r';
    int32_t runStart = 0;
    for (const TRichRun& run : paragraph.Runs) {
        const int32_t runLength = static_cast<int32_t>(run.Text.size());
        if (place.offset < runStart + runLength) return run.Text[place.offset - runStart];
        runStart += runLength;
    }
    return 0;
}

bool TRichDocument::IsParagraphEnd(int32_t pos) const {
    if (pos < 0 || pos >= Length()) return false;
    const Place place = Locate(pos);
    return place.offset == paragraphs_[place.paragraph].Length();
}

TRichAttributes TRichDocument::AttributesBefore(int32_t pos) const {
    const Place place = Locate(pos);
    for (size_t i = place.paragraph + 1; i-- > 0;) {
        const TRichParagraph& paragraph = paragraphs_[i];
        int32_t limit = i == place.paragraph ? place.offset : paragraph.Length();
        int32_t runStart = 0;
        std::optional<TRichAttributes> last;
        for (const TRichRun& run : paragraph.Runs) {
            if (runStart >= limit) break;
            last = run.Attributes;
            runStart += static_cast<int32_t>(run.Text.size());
        }
        if (last) return *last;
    }
    return defaults_;
}

TRichAttributes TRichDocument::AttributesAt(int32_t pos) const {
    pos = Clamp(pos);
    if (pos == Length() || IsParagraphEnd(pos)) {
        TRichAttributes attributes = AttributesBefore(pos);
        attributes.Protected = false;
        return attributes;
    }
    return AttributesBefore(pos + 1);
}

template <class Visit>
void TRichDocument::ForEachPiece(int32_t start, int32_t length, Visit visit) const {
    const auto [begin, end] = ClampRange(start, length);
    int32_t paragraphStart = 0;
    for (const TRichParagraph& paragraph : paragraphs_) {
        int32_t runStart = paragraphStart;
        for (const TRichRun& run : paragraph.Runs) {
            const int32_t runEnd = runStart + static_cast<int32_t>(run.Text.size());
            if (runStart < end && runEnd > begin) visit(run.Attributes);
            runStart = runEnd;
        }
        paragraphStart = runStart + 1;
        if (paragraphStart > end) break;
    }
}

bool TRichDocument::AnyProtected(int32_t start, int32_t length) const {
    bool found = false;
    ForEachPiece(start, length, [&](const TRichAttributes& a) { found = found || a.Protected; });
    return found;
}

uint32_t TRichDocument::ConsistentAttributes(int32_t start, int32_t length) const {
    uint32_t bits = caAll;
    std::optional<TRichAttributes> first;
    ForEachPiece(start, length, [&](const TRichAttributes& a) {
        if (!first)
            first = a;
        else
            bits &= AgreeingAttributes(*first, a);
    });
    return bits;
}

int32_t TRichDocument::Insert(int32_t pos, std::string_view text, const TRichAttributes& attributes) {
    const Place place = Locate(pos);
    TRichParagraph& target = paragraphs_[place.paragraph];
    const size_t split = SplitAt(target, place.offset);
    TRichParagraph tail{std::vector<TRichRun>(std::make_move_iterator(target.Runs.begin() + split),
                                              std::make_move_iterator(target.Runs.end()))};
    target.Runs.resize(split);

    const std::vector<std::string_view> lines = SplitLines(text);
    AppendRun(target, lines.front(), attributes);
    std::vector<TRichParagraph> added;
    for (size_t i = 1; i < lines.size(); ++i) {
        added.emplace_back();
        AppendRun(added.back(), lines[i], attributes);
    }
    TRichParagraph& last = added.empty() ? target : added.back();
    last.Runs.insert(last.Runs.end(), std::make_move_iterator(tail.Runs.begin()),
                     std::make_move_iterator(tail.Runs.end()));
    Normalize(last);
    Normalize(target);
    paragraphs_.insert(paragraphs_.begin() + place.paragraph + 1, std::make_move_iterator(added.begin()),
                       std::make_move_iterator(added.end()));

    int32_t inserted = static_cast<int32_t>(lines.size()) - 1;
    for (std::string_view line : lines) inserted += static_cast<int32_t>(line.size());
    return inserted;
}

void TRichDocument::Delete(int32_t start, int32_t length) {
    const auto [begin, end] = ClampRange(start, length);
    if (end == begin) return;
    const Place from = Locate(begin);
    const Place to = Locate(end);
    TRichParagraph& first = paragraphs_[from.paragraph];
    const size_t keepBefore = SplitAt(first, from.offset);
    if (from.paragraph == to.paragraph) {
        const size_t keepFrom = SplitAt(first, to.offset);
        first.Runs.erase(first.Runs.begin() + keepBefore, first.Runs.begin() + keepFrom);
    } else {
        TRichParagraph& last = paragraphs_[to.paragraph];
        const size_t keepFrom = SplitAt(last, to.offset);
        first.Runs.resize(keepBefore);
        first.Runs.insert(first.Runs.end(), std::make_move_iterator(last.Runs.begin() + keepFrom),
                          std::make_move_iterator(last.Runs.end()));
        paragraphs_.erase(paragraphs_.begin() + from.paragraph + 1, paragraphs_.begin() + to.paragraph + 1);
    }
    Normalize(paragraphs_[from.paragraph]);
}

void TRichDocument::ApplyAttributes(int32_t start, int32_t length, const TRichAttributeChange& change) {
    const auto [begin, end] = ClampRange(start, length);
    if (end == begin) return;
    const Place from = Locate(begin);
    const Place to = Locate(end);
    for (size_t i = from.paragraph; i <= to.paragraph; ++i) {
        TRichParagraph& paragraph = paragraphs_[i];
        const size_t begin = SplitAt(paragraph, i == from.paragraph ? from.offset : 0);
        const size_t stop = SplitAt(paragraph, i == to.paragraph ? to.offset : paragraph.Length());
        for (size_t r = begin; r < stop; ++r) paragraph.Runs[r].Attributes = change.AppliedTo(paragraph.Runs[r].Attributes);
        Normalize(paragraph);
    }
}

void TRichDocument::AppendParagraph() { paragraphs_.emplace_back(); }

void TRichDocument::AppendText(std::string_view text, const TRichAttributes& attributes) {
    const std::vector<std::string_view> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) AppendParagraph();
        AppendRun(paragraphs_.back(), lines[i], attributes);
    }
}

void TRichDocument::Clear() { paragraphs_.assign(1, TRichParagraph{}); }
