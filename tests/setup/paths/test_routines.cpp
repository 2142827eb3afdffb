// Path expansion, folder routines and registry routines over a fresh
// machine.

#include <gtest/gtest.h>

#include "objects/install_directory.h"
#include "support/routines_API.h"
#include "paths/routines_ExpandPaths.h"
#include "paths/routines_Registry.h"
#include "paths/cmp_TPathSpecifier.h"
#include "support/fresh_machine.h"
#include "vcl/classes/component.h"

namespace {

const char* const kShellFolders = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct MetaCase {
    const char* text;
    std::string (*expected)();
};

class MetaVariablesTest : public ::testing::TestWithParam<MetaCase> {
protected:
    testsupport::FreshMachine machine{"XP"};
};

TEST_P(MetaVariablesTest, ExpandsLetters) {
    EXPECT_EQ(ExpandMetaVariables(GetParam().text, nullptr), GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MetaVariablesTest,
    ::testing::Values(MetaCase{"%%", [] { return std::string("%"); }}, MetaCase{"%x", [] { return std::string(); }},
                      MetaCase{"100%", [] { return std::string("100"); }},
                      MetaCase{"%W\\notepad.exe", [] { return GetWindowsDir() + "\\notepad.exe"; }},
                      MetaCase{"%s|%p|%f", [] { return GetSystemDir() + "|" + GetProgramFilesDir() + "|" +
                                                       GetCommonFilesDir(); }},
                      MetaCase{"%b %d %m", [] { return GetProgramsMenuDir() + " " + GetDesktopDir() + " " +
                                                       GetStartMenuDir(); }}));

TEST(MetaVariables, MissingObjectsRaiseTheirMessages) {
    testsupport::FreshMachine machine{"XP"};
    TComponent form(nullptr);
    TInstallDirectory directory(&form);
    directory.SetDestDir("C:\\Apps\\");
    EXPECT_EQ(ExpandMetaVariables("%a\\x", &directory), "C:\\Apps\\x");
    const struct {
        const char* text;
        TInstallContainer* component;
        const char* message;
    } cases[] = {
        {"%a", nullptr, "Cannot expand the %a meta variable because the component is Nil"},
        {"%c", nullptr, "Cannot expand the %c meta variable because the component is Nil"},
        {"%c", &directory, "Cannot expand the %c meta variable because the Container property is Nil"},
        {"%i", &directory, "Cannot expand the %i meta variable because there is no TInstall component"},
    };
    for (const auto& c : cases) {
        try {
            ExpandMetaVariables(c.text, c.component);
            ADD_FAILURE() << c.text;
        } catch (const IException& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(PathVariable, ReplacesOnlyP) {
    EXPECT_EQ(TPathSpecifier::ExpandPathVariable("%p", ""), "");
    EXPECT_EQ(TPathSpecifier::ExpandPathVariable("a%b", "X"), "ab");
    EXPECT_EQ(TPathSpecifier::ExpandPathVariable("%%1", "X"), "%1");
    EXPECT_EQ(TPathSpecifier::ExpandPathVariable("%P\\app.exe %", "C:\\App"), "C:\\App\\app.exe ");
}

TEST(FolderRoutines, FallBackToTheirDefaults) {
    testsupport::FreshMachine machine{"XP"};
    EXPECT_EQ(GetProgramFilesDir(), "C:\\Program Files");
    DeleteRegistryTree(hkCurrentUser, kShellFolders);
    WriteRegistryString(hkCurrentUser, kShellFolders, "Start Menu", "C:\\Menu\\");
    EXPECT_EQ(GetStartMenuDir(), "C:\\Menu");
    EXPECT_EQ(GetProgramsMenuDir(), "C:\\Menu\\Programs");
    EXPECT_EQ(GetDesktopDir(), GetWindowsDir() + "\\Desktop");
    DeleteRegistryTree(hkCurrentUser, kShellFolders);
    EXPECT_EQ(GetStartMenuDir(), GetWindowsDir() + "\\Startmen");
    DeleteRegistryTree(hkLocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(GetProgramFilesDir(), "C:\\Program Files");
    EXPECT_EQ(GetCommonFilesDir(), "C:\\Program Files\\Common Files");
}

class RunOnceTest : public ::testing::TestWithParam<std::pair<const char*, win32::HKEY>> {};

TEST_P(RunOnceTest, UniqueNamesTakeTheNextFreeNumber) {
    testsupport::FreshMachine machine{GetParam().first};
    const TRootKeys root = HandleToRootKey(GetParam().second, hkUsers);
    const std::string key = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
    ASSERT_TRUE(RegisterRunOnce("Quorvel", "a.exe", true));
    ASSERT_TRUE(RegisterRunOnce("Quorvel", "b.exe", true));
    ASSERT_TRUE(RegisterRunOnce("Quorvel", "c.exe", true));
    EXPECT_EQ(ReadRegistryString(root, key, "Quorvel", ""), "a.exe");
    EXPECT_EQ(ReadRegistryString(root, key, "Quorvel1", ""), "b.exe");
    EXPECT_EQ(ReadRegistryString(root, key, "Quorvel2", ""), "c.exe");
    ASSERT_TRUE(RegisterRunOnce("Quorvel", "d.exe", false));
    EXPECT_EQ(ReadRegistryString(root, key, "Quorvel", ""), "d.exe");
}

INSTANTIATE_TEST_SUITE_P(Families, RunOnceTest,
                         ::testing::Values(std::make_pair("XP", win32::HKEY_CURRENT_USER),
                                           std::make_pair("98", win32::HKEY_LOCAL_MACHINE)));

TEST(RegistryRoutines, DeleteKeyTreeRemovesEveryLevel) {
    testsupport::FreshMachine machine{"XP"};
    for (const char* sub : {"\\Software\\T\\A\\x", "\\Software\\T\\B\\y\\z", "\\Software\\T\\C"})
        WriteRegistryInteger(hkCurrentUser, sub, "v", 1);
    TqrvlRegistry registry;
    registry.SetRootKey(win32::HKEY_CURRENT_USER);
    EXPECT_TRUE(DeleteKeyTree(registry, "\\Software\\T"));
    EXPECT_FALSE(RegistryKeyExists(registry, "\\Software\\T"));
    EXPECT_FALSE(DeleteKeyTree(registry, "\\Software\\T"));
}

TEST(RegistryRoutines, ReadOnlyKeysReadAsDefaultAndRefuseWrites) {
    testsupport::FreshMachine machine{"XP"};
    WriteRegistryString(hkLocalMachine, "\\Software\\Locked", "Name", "value");
    EXPECT_EQ(ReadRegistryInteger(hkLocalMachine, "\\Software\\Locked", "Name", 7), 7) << "a string is no integer";
    ASSERT_EQ(win32::RegistrySetKeyReadOnly(win32::HKEY_LOCAL_MACHINE, "Software\\Locked", true), 0);
    TqrvlRegistry registry;
    registry.SetRootKey(win32::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(OpenRegistryKey(registry, "\\Software\\Locked", false));
    EXPECT_EQ(ReadRegistryString(hkLocalMachine, "\\Software\\Locked", "Name", "default"), "default");
    try {
        WriteRegistryString(hkLocalMachine, "\\Software\\Locked", "Name", "new");
        FAIL();
    } catch (const EIRCannotWriteValue& e) {
        EXPECT_STREQ(e.what(), "Cannot install into registry. Key: \\Software\\Locked Ident: Name Value new");
    }
    EXPECT_THROW(WriteRegistryInteger(hkLocalMachine, "\\Software\\Locked", "N", 1), EIRCannotWriteValue);
}

}  // namespace
