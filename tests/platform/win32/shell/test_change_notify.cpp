// Change notifications are recorded in the machine, in order, item texts
// exactly as given.

#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "win32/shell/change_notify.h"
#include "win32/shell/shell_folder_locations.h"

using namespace win32;

namespace {

TEST(ChangeNotify, EventsAreRecordedInOrderWithTheirItems) {
    testsupport::FreshMachine machine;
    EXPECT_TRUE(RecordedShellChanges().empty());
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, nullptr, nullptr);
    SHChangeNotify(SHCNE_RENAMEITEM, SHCNF_PATH, "C:\\a\tb.txt", "C:\\new\\name\r\n.txt");
    ITEMIDLIST* list = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &list), S_OK);
    SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_IDLIST | SHCNF_FLUSH, list, nullptr);
    CoTaskMemFree(list);
    const std::vector<ShellChangeEvent> expected = {
        {SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, "", ""},
        {SHCNE_RENAMEITEM, SHCNF_PATH, "C:\\a\tb.txt", "C:\\new\\name\r\n.txt"},
        {SHCNE_UPDATEDIR, SHCNF_IDLIST | SHCNF_FLUSH, "C:\\Documents and Settings\\User\\Start Menu\\Programs", ""},
    };
    EXPECT_EQ(RecordedShellChanges(), expected);
}

}  // namespace
