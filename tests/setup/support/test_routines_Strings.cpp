// The path text helpers.

#include <gtest/gtest.h>

#include "support/routines_Strings.h"

TEST(PathText, TrailingBackslashAndEntryPath) {
    EXPECT_EQ(AddTrailingBackslash(""), "");  // unlike the class library's "\"
    EXPECT_EQ(AddTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(AddTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(EntryPath("C:\\a.txt;17;x"), "C:\\a.txt");
    EXPECT_EQ(EntryPath("C:\\a.txt"), "C:\\a.txt");
    EXPECT_EQ(EntryPath(";x"), "");
}
