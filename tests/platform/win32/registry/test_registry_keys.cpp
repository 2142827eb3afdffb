// Keys: names without regard to case, paths, predefined roots, listing
// order, deletion per Windows family, read-only keys and handle rights.

#include <vector>

#include "support_registry.h"

using namespace win32;

namespace {

std::vector<std::string> SubKeyNames(HKEY key) {
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; RegEnumKeyEx(key, i, name) == ERROR_SUCCESS; ++i) names.push_back(name);
    return names;
}

}  // namespace

TEST_F(RegistryTest, NamesMatchWithoutRegardToCaseAndKeepTheirCase) {
    HKEY key = 0;
    uint32_t disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\MixedCase\xC9t\xE9", 0, "", 0, KEY_ALL_ACCESS, &key,
                             &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ASSERT_EQ(SetString(key, "ValueName", "first"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key, "VALUENAME", "second"), ERROR_SUCCESS);
    RegCloseKey(key);

    HKEY again = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "software\\TARN\\mixedcase\xE9T\xC9\\", 0, "", 0, KEY_READ, &again,
                             &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(Read(again, "valuename"), std::string("second\0", 7));
    std::string name;
    uint32_t size = 0;
    ASSERT_EQ(RegEnumValue(again, 0, name, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(name, "ValueName");
    EXPECT_EQ(RegEnumValue(again, 1, name, nullptr, nullptr, &size), ERROR_NO_MORE_ITEMS);
    RegCloseKey(again);

    HKEY tarn = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\tarn", 0, KEY_READ, &tarn), ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(tarn), std::vector<std::string>{"MixedCase\xC9t\xE9"});
    RegCloseKey(tarn);
}

TEST_F(RegistryTest, BadPathsAndHandlesAreRefused) {
    struct Case {
        const char* path;
        LONG expected;
    };
    const Case cases[] = {
        {"\\SOFTWARE", ERROR_BAD_PATHNAME},
        {"SOFTWARE\\\\Tarn", ERROR_BAD_PATHNAME},
        {"SOFTWARE\\Missing", ERROR_FILE_NOT_FOUND},
    };
    Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn");
    for (const auto& c : cases) {
        HKEY key = 0x1234;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, c.path, 0, KEY_READ, &key), c.expected) << c.path;
        EXPECT_EQ(key, 0u) << c.path;
    }
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, std::string(256, 'k'), 0, KEY_READ, &key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyEx(0x4444, "SOFTWARE", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(0x4444), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ClassesRootAndCurrentUserAreViewsOfStoredKeys) {
    HKEY ext = Create(HKEY_CLASSES_ROOT, ".qpx");
    ASSERT_EQ(SetString(ext, "", "QuilleryProject"), ERROR_SUCCESS);
    RegCloseKey(ext);
    std::string value;
    EXPECT_EQ(RegQueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\.qpx", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "QuilleryProject");

    HKEY run = Create(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    ASSERT_EQ(SetString(run, "QuorvelUnfinished", "setup.exe -r"), ERROR_SUCCESS);
    RegCloseKey(run);
    HKEY user = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_USERS, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", 0, KEY_READ, &user),
              ERROR_SUCCESS);
    EXPECT_EQ(Read(user, "QuorvelUnfinished"), std::string("setup.exe -r\0", 13));
    RegCloseKey(user);
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
}

TEST_F(RegistryTest, SubKeysAreListedInTheFamilysOrder) {
    const std::vector<std::string> created = {"zeta", "Alpha", "beta", "_under", "Gamma", "10", "9"};
    for (const auto& family : {RegistryFamily::NT, RegistryFamily::Win9x}) {
        SetRegistryFamily(family);
        RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Order");
        HKEY parent = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Order");
        for (const auto& name : created) RegCloseKey(Create(parent, name));
        const std::vector<std::string> expected =
            family == RegistryFamily::NT ? std::vector<std::string>{"10", "9", "Alpha", "beta", "Gamma", "zeta", "_under"}
                                         : created;
        EXPECT_EQ(SubKeyNames(parent), expected);
        std::string name;
        EXPECT_EQ(RegEnumKeyEx(parent, static_cast<uint32_t>(created.size()), name), ERROR_NO_MORE_ITEMS);
        for (const auto& sub : created) RegDeleteKey(parent, sub);
        RegCloseKey(parent);
    }
}

TEST_F(RegistryTest, DeleteKeyRefusesSubKeysOnNtAndDeletesTheTreeOn9x) {
    for (const auto& family : {RegistryFamily::NT, RegistryFamily::Win9x}) {
        SetRegistryFamily(family);
        HKEY opened = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree\\Child\\Grandchild");
        SetString(opened, "v", "x");
        const LONG rc = RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree");
        HKEY probe = 0;
        if (family == RegistryFamily::NT) {
            EXPECT_EQ(rc, ERROR_ACCESS_DENIED);
            EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree\\Child\\Grandchild", 0, KEY_READ, &probe), ERROR_SUCCESS);
            RegCloseKey(probe);
            EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree\\Child\\Grandchild"), ERROR_SUCCESS);
            EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree\\Child"), ERROR_SUCCESS);
            EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree"), ERROR_SUCCESS);
        } else {
            EXPECT_EQ(rc, ERROR_SUCCESS);
        }
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree", 0, KEY_READ, &probe), ERROR_FILE_NOT_FOUND);
        // A handle to a deleted key says so.
        EXPECT_EQ(SetString(opened, "v", "y"), ERROR_KEY_DELETED);
        EXPECT_EQ(RegCloseKey(opened), ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tree"), ERROR_FILE_NOT_FOUND);
    }
}

TEST_F(RegistryTest, ReadOnlyKeysCanBeReadButNotChanged) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\Inner");
    SetString(key, "Kept", "yes");
    RegCloseKey(key);
    ASSERT_EQ(RegistrySetKeyReadOnly(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked", true), ERROR_SUCCESS);

    const uint32_t writeAccesses[] = {KEY_WRITE, KEY_ALL_ACCESS, KEY_SET_VALUE, KEY_CREATE_SUB_KEY,
                                      KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY};
    for (const uint32_t access : writeAccesses) {
        HKEY denied = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\Inner", 0, access, &denied), ERROR_ACCESS_DENIED)
            << std::hex << access;
        EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked", 0, "", 0, access, &denied, nullptr),
                  ERROR_ACCESS_DENIED)
            << std::hex << access;
    }
    HKEY created = 0;
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\New", 0, "", 0, KEY_READ, &created, nullptr),
              ERROR_ACCESS_DENIED);
    SetRegistryFamily(RegistryFamily::Win9x);
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked"), ERROR_ACCESS_DENIED);

    HKEY reader = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\Inner", 0, KEY_READ, &reader), ERROR_SUCCESS);
    EXPECT_EQ(Read(reader, "Kept"), std::string("yes\0", 4));
    RegCloseKey(reader);
    // The most that RegOpenKey can get is reading.
    ASSERT_EQ(RegOpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\Inner", &reader), ERROR_SUCCESS);
    EXPECT_EQ(SetString(reader, "Kept", "no"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(reader, "Kept"), ERROR_ACCESS_DENIED);
    RegCloseKey(reader);

    ASSERT_EQ(RegistrySetKeyReadOnly(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked", false), ERROR_SUCCESS);
    HKEY writer = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked\\Inner", 0, KEY_ALL_ACCESS, &writer), ERROR_SUCCESS);
    RegCloseKey(writer);
    EXPECT_EQ(RegistrySetKeyReadOnly(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nowhere", true), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, HandlesOnlyDoWhatTheirRightsAllow) {
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Rights\\Sub"));
    HKEY queryOnly = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Rights", 0, KEY_QUERY_VALUE, &queryOnly), ERROR_SUCCESS);
    std::string name;
    EXPECT_EQ(RegEnumKeyEx(queryOnly, 0, name), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetString(queryOnly, "x", "y"), ERROR_ACCESS_DENIED);
    HKEY sub = 0;
    EXPECT_EQ(RegCreateKeyEx(queryOnly, "New", 0, "", 0, KEY_READ, &sub, nullptr), ERROR_ACCESS_DENIED);
    // Opening an existing key through it needs no right on the handle.
    EXPECT_EQ(RegCreateKeyEx(queryOnly, "Sub", 0, "", 0, KEY_READ, &sub, nullptr), ERROR_SUCCESS);
    RegCloseKey(sub);
    RegCloseKey(queryOnly);

    HKEY enumOnly = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Rights", 0, KEY_ENUMERATE_SUB_KEYS, &enumOnly), ERROR_SUCCESS);
    EXPECT_EQ(RegEnumKeyEx(enumOnly, 0, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "Sub");
    uint32_t size = 0;
    EXPECT_EQ(RegQueryValueEx(enumOnly, "", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    RegCloseKey(enumOnly);
}

TEST_F(RegistryTest, CallsWithoutARegistryReportThatItCannotBeOpened) {
    CloseMachineRegistry();
    HKEY key = 0;
    EXPECT_FALSE(MachineRegistryIsOpen());
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key), ERROR_CANTOPEN);
    EXPECT_THROW(OpenRegistryFile((machine_ / "no-such-folder/registry.db").string()), std::runtime_error);
}
