#include "build/MergedTables.h"

#include "build/PageTables.h"
#include "model/PageObject.h"
#include "vcl/system/ansistrings.h"

namespace {

void AddNew(std::vector<std::string>& merged, const std::string& entry) {
    if (MergedPosition(merged, entry) < 0) merged.push_back(entry);
}

void MergeSource(TMergedTables& tables, const TStrings& source) {
    for (const TPageFont& font : ExtractFontTable(source)) AddNew(tables.Fonts, font.Description);
    const std::vector<std::string> colors = ExtractColorTable(source);
    if (!colors.empty() && tables.Colors.empty()) tables.Colors.push_back(kBlackColorEntry);
    for (const std::string& color : colors) AddNew(tables.Colors, color);
}

}  // namespace

TMergedTables MergeTables(const TStrings& pages) {
    TMergedTables tables;
    for (int i = 0; i < pages.Count(); ++i) {
        const auto* page = static_cast<const TPageObject*>(pages.Objects(i));
        MergeSource(tables, page->Content);
        if (page->Header.Count() > 0) MergeSource(tables, page->Header);
    }
    return tables;
}

int MergedPosition(const std::vector<std::string>& merged, const std::string& entry) {
    // No two merged entries are equal ignoring case, so an entry with the
    // same bytes is the only match; it is looked for first, because the
    // comparison ignoring case is costly and pages mostly share their
    // tables byte for byte.
    for (size_t i = 0; i < merged.size(); ++i)
        if (merged[i] == entry) return static_cast<int>(i);
    for (size_t i = 0; i < merged.size(); ++i)
        if (AnsiSameText(merged[i], entry)) return static_cast<int>(i);
    return -1;
}
