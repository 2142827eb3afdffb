#include <gtest/gtest.h>

#include <string>

#include "build/PageIndex.h"
#include "model/PageObject.h"
#include "support_build.h"
#include "win32/codepage.h"

using namespace buildtest;

namespace {

TEST(PageIndex, FindsTheFirstPageOfANameIgnoringCase) {
    THelpProject project;
    TPageObject& intro = AddPage(project, "Intro", "IDH_INTRO");
    AddPage(project, "INTRO", "IDH_INTRO_AGAIN");  // the same name to the build
    TPageObject& cafe = AddPage(project, "Caf\xe9", "IDH_CAFE");
    TPageObject& coop = AddPage(project, "co-op", "IDH_COOP");
    // Many more pages, so that names share slots and chains.
    for (int i = 0; i < 300; ++i) AddPage(project, "Page " + std::to_string(i), "IDH_" + std::to_string(i));
    const TPageIndex index(project.Pages);

    EXPECT_EQ(index.Find("intro"), &intro);
    EXPECT_EQ(index.Find("INTRO"), &intro);
    EXPECT_EQ(index.Find("CAF\xc9"), &cafe);  // e acute in upper case, code page 1252
    EXPECT_EQ(index.Find("CO-OP"), &coop);
    for (int i = 0; i < 300; ++i) {
        const TPageObject* page = index.Find("page " + std::to_string(i));
        ASSERT_NE(page, nullptr) << i;
        EXPECT_EQ(page->TopicID, "IDH_" + std::to_string(i));
    }
    EXPECT_EQ(index.Find("Page 300"), nullptr);
    EXPECT_EQ(index.Find(""), nullptr);
    EXPECT_EQ(index.Find("Intr"), nullptr);
}

TEST(PageIndex, UsesTheMachinesCodePage) {
    win32::SetACP(1251);
    THelpProject project;
    TPageObject& page = AddPage(project, "\xe0\xe1", "IDH_CYRILLIC");  // a, be
    const TPageIndex index(project.Pages);
    EXPECT_EQ(index.Find("\xc0\xc1"), &page);  // A, BE
    EXPECT_EQ(index.Find("\xe0"), nullptr);
    win32::SetACP(1252);
}

TEST(PageIndex, AnEmptyListFindsNothing) {
    THelpProject project;
    const TPageIndex index(project.Pages);
    EXPECT_EQ(index.Find("Anything"), nullptr);
}

}  // namespace
