#include "build/MergedTables.h"

#include <optional>
#include <string_view>

#include "build/PageTables.h"
#include "model/PageObject.h"
#include "vcl/system/ansistrings.h"

namespace {

// The position of `entry` in `merged`, where it is added when missing.
int PositionOf(std::vector<std::string>& merged, const std::string& entry) {
    // No two merged entries are equal ignoring case, so an entry with the
    // same bytes is the only match; it is looked for first, because the
    // comparison ignoring case is costly and pages mostly share their
    // tables byte for byte.
    for (size_t i = 0; i < merged.size(); ++i)
        if (merged[i] == entry) return static_cast<int>(i);
    for (size_t i = 0; i < merged.size(); ++i)
        if (AnsiSameText(merged[i], entry)) return static_cast<int>(i);
    merged.push_back(entry);
    return static_cast<int>(merged.size() - 1);
}

// The rests of a source's font and colour table lines; none when it has
// no such line.
struct TableLines {
    std::optional<std::string_view> Fonts;
    std::optional<std::string_view> Colors;
    bool operator==(const TableLines&) const = default;
};

std::optional<std::string_view> TableLine(const TStringList& source, std::string_view tableWord) {
    std::string_view rest;
    if (!FindTableLine(source, tableWord, rest)) return std::nullopt;
    return rest;
}

TableLines TableLinesOf(const TStringList& source) {
    return {TableLine(source, kFontTableWord), TableLine(source, kColorTableWord)};
}

TSourceNumbering MergeTableLines(TMergedTables& tables, const TableLines& lines) {
    TSourceNumbering numbering;
    if (lines.Fonts)
        for (const TPageFont& font : ParseFontTable(*lines.Fonts))
            numbering.Fonts.push_back({font.Number, PositionOf(tables.Fonts, font.Description)});
    if (!lines.Colors) return numbering;
    const std::vector<std::string> colors = ParseColorTable(*lines.Colors);
    if (!colors.empty() && tables.Colors.empty()) tables.Colors.push_back(kBlackColorEntry);
    for (const std::string& color : colors) numbering.Colors.push_back(PositionOf(tables.Colors, color));
    return numbering;
}

// The numbering of one kind of source (contents or headers) page after
// page, shared with the page before when its table lines are the same.
class SourceMerger {
public:
    explicit SourceMerger(TMergedTables& tables) : tables_(tables) {}

    size_t Merge(const TStringList& source) {
        TableLines lines = TableLinesOf(source);
        if (lines == lastLines_) return lastNumbering_;
        tables_.Numberings.push_back(MergeTableLines(tables_, lines));
        // The views point into the page list, which does not change while
        // the tables are merged.
        lastLines_ = lines;
        lastNumbering_ = tables_.Numberings.size() - 1;
        return lastNumbering_;
    }

private:
    TMergedTables& tables_;
    std::optional<TableLines> lastLines_;
    size_t lastNumbering_ = 0;  // of lastLines_, in tables_.Numberings
};

}  // namespace

int TSourceNumbering::MergedFont(int64_t number) const {
    for (const Font& font : Fonts)
        if (font.Number == number) return font.Merged;
    return -1;
}

TPageNumbering TMergedTables::PageNumbering(size_t page) const {
    return {Numberings[Pages[page].Content], Numberings[Pages[page].Header]};
}

TSourceNumbering MergeSource(TMergedTables& tables, const TStringList& source) {
    return MergeTableLines(tables, TableLinesOf(source));
}

TMergedTables MergeTables(const TStrings& pages) {
    TMergedTables tables;
    tables.Pages.reserve(static_cast<size_t>(pages.Count()));
    SourceMerger contents(tables);
    SourceMerger headers(tables);
    for (int i = 0; i < pages.Count(); ++i) {
        const auto* page = static_cast<const TPageObject*>(pages.Objects(i));
        const size_t content = contents.Merge(page->Content);
        // An empty header is never converted; it shares the contents' numbering.
        const size_t header = page->Header.Count() > 0 ? headers.Merge(page->Header) : content;
        tables.Pages.push_back({content, header});
    }
    return tables;
}
