// Bad input to the Reg* calls: handles that were never opened or are
// closed, names over the limits, malformed key paths, huge and unterminated
// data, and enumeration past the end. Each gives the code Windows returns
// and changes nothing.

#include <cstring>
#include <string>
#include <vector>

#include "support_registry.h"
#include "win32/registry/registry_file.h"
#include "win32/registry/registry_store.h"

using namespace win32;

namespace {

using RegistryBadInput = RegistryTest;

const uint8_t* Bytes(const std::string& text) { return reinterpret_cast<const uint8_t*>(text.data()); }

// Every call that takes a key handle, run on `key`; the codes they return.
std::vector<LONG> CallsOn(HKEY key)
{
    HKEY opened = 0;
    std::string name;
    uint32_t size = 0;
    const std::string data = "x";
    return {
        RegOpenKeyEx(key, "Sub", 0, KEY_READ, &opened),
        RegOpenKey(key, "", &opened),
        RegCreateKeyEx(key, "Sub", 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &opened, nullptr),
        RegQueryValueEx(key, "Value", nullptr, nullptr, nullptr, &size),
        RegSetValueEx(key, "Value", 0, REG_SZ, Bytes(data), 2),
        RegDeleteValue(key, "Value"),
        RegDeleteKey(key, "Sub"),
        RegEnumKeyEx(key, 0, name),
        RegEnumValue(key, 0, name, nullptr, nullptr, nullptr),
        RegQueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr),
        RegQueryValue(key, "", name),
        RegSetValue(key, "Sub", REG_SZ, "text"),
        RegFlushKey(key),
        RegCloseKey(key),
    };
}

TEST_F(RegistryBadInput, HandlesNeverOpenedOrClosedAreInvalid)
{
    const HKEY closed = Create(HKEY_CURRENT_USER, "Software\\Closed");
    ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    HKEY other = Create(HKEY_CURRENT_USER, "Software\\Other");  // must not inherit the closed number

    const struct {
        const char* what;
        HKEY key;
    } cases[] = {
        {"zero", 0},
        {"closed", closed},
        {"never handed out", other + 4000},
        {"a root Windows does not have", 0x80000007},
        {"the highest value", 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const LONG rc : CallsOn(c.key))
            EXPECT_EQ(rc, ERROR_INVALID_HANDLE);
    }
    // Nothing was created through them.
    HKEY sub = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Closed\\Sub", 0, KEY_READ, &sub), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(other), ERROR_SUCCESS);
}

TEST_F(RegistryBadInput, KeyPathsAsWindowsTreatsThem)
{
    const HKEY app = Create(HKEY_LOCAL_MACHINE, "Software\\App");
    ASSERT_EQ(SetString(app, "Here", "yes"), ERROR_SUCCESS);
    const struct {
        const char* what;
        std::string path;
        LONG open;  // RegOpenKeyEx and RegCreateKeyEx
    } cases[] = {
        {"plain", "Software\\App", ERROR_SUCCESS},
        {"with a trailing backslash", "Software\\App\\", ERROR_SUCCESS},
        {"other case", "SOFTWARE\\app", ERROR_SUCCESS},
        {"a leading backslash", "\\Software\\App", ERROR_BAD_PATHNAME},
        {"an empty name inside", "Software\\\\App", ERROR_BAD_PATHNAME},
        {"two trailing backslashes", "Software\\App\\\\", ERROR_BAD_PATHNAME},
        {"only a backslash", "\\", ERROR_BAD_PATHNAME},
        {"a name of 256 characters", "Software\\" + std::string(256, 'k'), ERROR_INVALID_PARAMETER},
        {"a long name inside the path", "Software\\" + std::string(300, 'k') + "\\App", ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HKEY key = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, c.path, 0, KEY_READ, &key), c.open);
        if (c.open == ERROR_SUCCESS) {
            EXPECT_EQ(Read(key, "Here"), std::string("yes", 4));
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        } else {
            EXPECT_EQ(key, 0u);
        }
        uint32_t disposition = 0;
        EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, c.path, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &key,
                                 &disposition),
                  c.open);
        if (c.open == ERROR_SUCCESS) {
            EXPECT_EQ(disposition, uint32_t(REG_OPENED_EXISTING_KEY));
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        }
        if (c.open != ERROR_SUCCESS) {
            EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, c.path), c.open);
        }
    }
    EXPECT_EQ(Read(app, "Here"), std::string("yes", 4));
    // The longest name works.
    const HKEY longest = Create(app, std::string(255, 'k'));
    std::string name;
    EXPECT_EQ(RegEnumKeyEx(app, 0, name), ERROR_SUCCESS);
    EXPECT_EQ(name, std::string(255, 'k'));
    EXPECT_EQ(RegCloseKey(longest), ERROR_SUCCESS);
    uint32_t subKeys = 0;
    ASSERT_EQ(RegQueryInfoKey(app, &subKeys, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
}

TEST_F(RegistryBadInput, ValueNamesStopAt16383Characters)
{
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\Names");
    const std::string longest(16383, 'v');
    EXPECT_EQ(SetString(key, longest, "kept"), ERROR_SUCCESS);
    EXPECT_EQ(Read(key, longest), std::string("kept", 5));
    for (const size_t length : {16384u, 16385u, 100000u}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'v');
        EXPECT_EQ(SetString(key, name, "lost"), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(Read(key, name), "error " + std::to_string(ERROR_FILE_NOT_FOUND));
    }
    uint32_t values = 0, longestName = 0;
    ASSERT_EQ(RegQueryInfoKey(key, nullptr, nullptr, &values, &longestName, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(values, 1u);
    EXPECT_EQ(longestName, 16383u);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryBadInput, HugeDataIsKeptAndAskedForInFull)
{
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\Huge");
    std::string huge(8 << 20, '\0');
    for (size_t i = 0; i < huge.size(); ++i)
        huge[i] = char(i * 31 % 251);
    ASSERT_EQ(RegSetValueEx(key, "Blob", 0, REG_BINARY, Bytes(huge), uint32_t(huge.size())), ERROR_SUCCESS);

    uint32_t size = 16;
    std::vector<uint8_t> small(size, 0xAA);
    EXPECT_EQ(RegQueryValueEx(key, "Blob", nullptr, nullptr, small.data(), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, huge.size());
    EXPECT_EQ(small, std::vector<uint8_t>(16, 0xAA)) << "a short buffer is left alone";

    uint32_t longestData = 0;
    ASSERT_EQ(RegQueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, &longestData), ERROR_SUCCESS);
    EXPECT_EQ(longestData, huge.size());
    EXPECT_EQ(Read(key, "Blob"), huge);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryBadInput, UnterminatedStringsReadBackAsStored)
{
    HKEY key = Create(HKEY_CURRENT_USER, "Software\\Strings");
    const struct {
        const char* name;
        uint32_t type;
        std::string data;
    } cases[] = {
        {"Multi without any end", REG_MULTI_SZ, std::string("one\0two", 7)},
        {"Multi with one end", REG_MULTI_SZ, std::string("one\0two\0", 8)},
        {"Multi of one byte", REG_MULTI_SZ, "x"},
        {"Multi empty", REG_MULTI_SZ, ""},
        {"Text without end", REG_SZ, "text"},
        {"Expandable without end", REG_EXPAND_SZ, "%TEMP%"},
        {"Number too short", REG_DWORD, "\x01\x02"},
    };
    for (const auto& c : cases)
        ASSERT_EQ(RegSetValueEx(key, c.name, 0, c.type, Bytes(c.data), uint32_t(c.data.size())), ERROR_SUCCESS)
            << c.name;

    // They survive an export and an import as they are.
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    const std::string exported =
        ExportRegistry(CurrentRegistryStore(), "HKEY_CURRENT_USER\\Software\\Strings", RegistryFileFormat::Version5);
    ASSERT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Strings"), ERROR_SUCCESS);
    ImportRegistry(CurrentRegistryStore(), exported);
    key = Create(HKEY_CURRENT_USER, "Software\\Strings");

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t type = 0;
        EXPECT_EQ(Read(key, c.name, &type), c.data);
        EXPECT_EQ(type, c.type);
        uint32_t exact = uint32_t(c.data.size());
        std::vector<uint8_t> buffer(exact + 4, 0xAA);
        ASSERT_EQ(RegQueryValueEx(key, c.name, nullptr, nullptr, buffer.data(), &exact), ERROR_SUCCESS);
        EXPECT_EQ(exact, c.data.size());
        EXPECT_EQ(buffer[c.data.size()], 0xAA) << "nothing is written past the data";
    }
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryBadInput, EnumerationPastTheEndHasNoMoreItems)
{
    const HKEY key = Create(HKEY_CURRENT_USER, "Software\\List");
    EXPECT_EQ(RegCloseKey(Create(key, "Only")), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key, "One", "1"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(key, "Two", "2"), ERROR_SUCCESS);
    const HKEY empty = Create(HKEY_CURRENT_USER, "Software\\Empty");

    const struct {
        const char* what;
        HKEY key;
        uint32_t keys, values;
    } cases[] = {{"two values, one key", key, 1, 2}, {"empty", empty, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const uint32_t index : {c.keys, c.keys + 1, 0xFFFFFFFFu}) {
            std::string name = "untouched";
            EXPECT_EQ(RegEnumKeyEx(c.key, index, name), ERROR_NO_MORE_ITEMS);
            EXPECT_EQ(name, "untouched");
        }
        for (const uint32_t index : {c.values, c.values + 1, 0xFFFFFFFFu}) {
            std::string name = "untouched";
            uint32_t type = 99, size = 4;
            uint8_t data[4] = {1, 2, 3, 4};
            EXPECT_EQ(RegEnumValue(c.key, index, name, &type, data, &size), ERROR_NO_MORE_ITEMS);
            EXPECT_EQ(name, "untouched");
            EXPECT_EQ(type, 99u);
            EXPECT_EQ(size, 4u);
        }
    }
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(empty), ERROR_SUCCESS);
}

}  // namespace
