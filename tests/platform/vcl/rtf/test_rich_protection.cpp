#include <gtest/gtest.h>

#include <vector>

#include "support_rich_text.h"
#include "vcl/rtf/rich_protection.h"

using namespace richtest;

namespace {

// "ab##L##cd" over two lines: the marker is at 2..6, a paragraph end at 9.
class RichProtection : public ::testing::Test {
protected:
    TRichDocument document = Build({{{"ab"}, {"##L##", Marker()}, {"cd"}}, {{"ef"}}});
};

TRichChange Text(int32_t start, int32_t length, std::string inserted = "") {
    return TRichChange{TRichChangeKind::ckText, start, length, std::move(inserted)};
}
TRichChange Format(int32_t start, int32_t length) { return TRichChange{TRichChangeKind::ckFormat, start, length, ""}; }

}  // namespace

TEST_F(RichProtection, WhichChangesTouchProtectedText) {
    struct Case {
        TRichChange change;
        bool touches;
        const char* what;
    };
    const Case cases[] = {
        {Text(1, 0, "x"), false, "typing before the marker"},
        {Text(2, 0, "x"), false, "typing at the marker's start"},
        {Text(3, 0, "x"), true, "typing inside the marker"},
        {Text(6, 0, "x"), true, "typing before the marker's last character"},
        {Text(7, 0, "x"), false, "typing right after the marker"},
        {Text(1, 1), false, "deleting the character before"},
        {Text(1, 2), true, "deleting into the marker"},
        {Text(6, 1), true, "backspace over the marker's last character"},
        {Text(7, 3), false, "deleting after the marker, the paragraph end included"},
        {Text(0, 12, "new"), true, "replacing everything (loading new text)"},
        {Format(0, 2), false, "formatting plain text"},
        {Format(5, 4), true, "formatting part of the marker"},
        {Format(4, 0), false, "an empty format change"},
        {Text(-5, 7), false, "a range clamped to the plain start"},
        {Text(50, 2, "x"), false, "a range beyond the end"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChangeTouchesProtected(document, c.change), c.touches) << c.what;
}

TEST_F(RichProtection, HookIsAskedOnlyForProtectedChangesAndDecidesThem) {
    std::vector<std::pair<int32_t, int32_t>> asked;
    bool allowProtectedChange = false;
    const TRichProtectHook hook = [&](int32_t startPos, int32_t endPos) {
        asked.emplace_back(startPos, endPos);
        return allowProtectedChange;
    };

    TRichProtectionVerdict verdict = ReviewChange(document, Text(0, 1, "A"), hook);
    EXPECT_FALSE(verdict.AskedHook);
    EXPECT_TRUE(verdict.Apply);
    EXPECT_TRUE(asked.empty());

    verdict = ReviewChange(document, Text(1, 3), hook);
    EXPECT_TRUE(verdict.AskedHook);
    EXPECT_FALSE(verdict.Apply);

    allowProtectedChange = true;  // the program's own change
    verdict = ReviewChange(document, Text(4, 0, "x"), hook);
    EXPECT_TRUE(verdict.AskedHook);
    EXPECT_TRUE(verdict.Apply);

    const std::vector<std::pair<int32_t, int32_t>> expected{{1, 4}, {4, 4}};
    EXPECT_EQ(asked, expected);
}

TEST_F(RichProtection, WithoutAHookProtectedTextCannotChange) {
    const TRichProtectionVerdict verdict = ReviewChange(document, Format(2, 5), TRichProtectHook{});
    EXPECT_FALSE(verdict.AskedHook);
    EXPECT_FALSE(verdict.Apply);
    EXPECT_TRUE(ReviewChange(document, Format(0, 2), TRichProtectHook{}).Apply);
}
