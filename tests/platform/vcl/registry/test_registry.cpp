// TRegistry: key paths, typed values, the class library's errors and
// read-only keys.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/temp_dir.h"
#include "vcl/classes/strings.h"
#include "vcl/registry/registry.h"

using namespace win32;

namespace {

class TRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { OpenMachineRegistry(machine_.path().string()); }
    void TearDown() override { CloseMachineRegistry(); }

    // The raw type and bytes of a value, read past TRegistry.
    std::string Raw(HKEY root, const std::string& path, const std::string& name, uint32_t& type) {
        HKEY key = 0;
        if (RegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "no key";
        uint8_t data[64];
        uint32_t size = sizeof data;
        const LONG rc = RegQueryValueEx(key, name, nullptr, &type, data, &size);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS ? std::string(reinterpret_cast<char*>(data), size) : "missing";
    }

    testsupport::TempDir machine_{"quillery-tregistry"};
};

std::string MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ERegistryException& error) {
        return error.Message();
    }
    return "no exception";
}

}  // namespace

TEST_F(TRegistryTest, RelativeAndAbsolutePathsFollowTheOpenKey) {
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(reg.Access(), static_cast<uint32_t>(KEY_ALL_ACCESS));
    EXPECT_TRUE(reg.LazyWrite());
    EXPECT_FALSE(reg.OpenKey("Software\\Tarn", false));
    EXPECT_EQ(reg.CurrentKey(), 0u);

    ASSERT_TRUE(reg.OpenKey("\\Software\\Tarn", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Tarn");
    ASSERT_TRUE(reg.OpenKey("Install\\Install0", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Tarn\\Install\\Install0");
    reg.WriteString("Path", "C:\\setup.exe");
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\TARN", false));
    EXPECT_EQ(reg.CurrentPath(), "SOFTWARE\\TARN");
    EXPECT_TRUE(reg.KeyExists("install\\INSTALL0"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\Tarn\\Install"));
    EXPECT_FALSE(reg.KeyExists("Install0"));
    ASSERT_TRUE(reg.OpenKey("Install\\Install0", false));
    EXPECT_EQ(reg.ReadString("path"), "C:\\setup.exe");

    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(reg.CurrentKey(), 0u);
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_FALSE(reg.KeyExists("Software\\Tarn"));
    EXPECT_TRUE(reg.CreateKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"));
    EXPECT_TRUE(reg.KeyExists("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"));
    EXPECT_EQ(reg.CurrentKey(), 0u);  // CreateKey does not open the key
}

TEST_F(TRegistryTest, ValuesAreStoredAsTheClassLibraryStoresThem) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Typed", true));
    reg.WriteString("Text", "hello");
    reg.WriteExpandString("Expand", "%SystemRoot%");
    reg.WriteInteger("Number", -2);
    reg.WriteBool("Flag", true);
    reg.WriteFloat("Float", 2.5);
    reg.WriteDateTime("When", 36526.75);
    const uint8_t bytes[3] = {1, 2, 3};
    reg.WriteBinaryData("Blob", bytes, 3);

    struct Case {
        const char* name;
        uint32_t type;
        TRegDataType regData;
        int32_t size;
    };
    const Case cases[] = {
        {"Text", REG_SZ, rdString, 6},       {"Expand", REG_EXPAND_SZ, rdExpandString, 13},
        {"Number", REG_DWORD, rdInteger, 4}, {"Flag", REG_DWORD, rdInteger, 4},
        {"Float", REG_BINARY, rdBinary, 8},  {"When", REG_BINARY, rdBinary, 8},
        {"Blob", REG_BINARY, rdBinary, 3},
    };
    for (const auto& c : cases) {
        uint32_t type = 0;
        Raw(HKEY_LOCAL_MACHINE, "SOFTWARE\\Typed", c.name, type);
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(reg.GetDataType(c.name), c.regData) << c.name;
        EXPECT_EQ(reg.GetDataSize(c.name), c.size) << c.name;
        TRegDataInfo info;
        EXPECT_TRUE(reg.GetDataInfo(c.name, info));
        EXPECT_EQ(info.DataSize, c.size);
    }
    EXPECT_EQ(reg.ReadString("text"), "hello");
    EXPECT_EQ(reg.ReadString("Expand"), "%SystemRoot%");
    EXPECT_EQ(reg.ReadInteger("Number"), -2);
    EXPECT_TRUE(reg.ReadBool("Flag"));
    EXPECT_EQ(reg.ReadFloat("Float"), 2.5);
    EXPECT_EQ(reg.ReadDateTime("When"), 36526.75);
    uint8_t back[8] = {};
    EXPECT_EQ(reg.ReadBinaryData("Blob", back, sizeof back), 3);
    EXPECT_EQ(std::memcmp(back, bytes, 3), 0);
    uint32_t type = 0;
    const double expected = 2.5;
    EXPECT_EQ(Raw(HKEY_LOCAL_MACHINE, "SOFTWARE\\Typed", "Float", type), std::string(reinterpret_cast<const char*>(&expected), 8));

    EXPECT_EQ(reg.GetDataSize("Missing"), -1);
    EXPECT_EQ(reg.GetDataType("Missing"), rdUnknown);
    EXPECT_FALSE(reg.ValueExists("Missing"));
    EXPECT_TRUE(reg.ValueExists("BLOB"));
    EXPECT_TRUE(reg.DeleteValue("Blob"));
    EXPECT_FALSE(reg.DeleteValue("Blob"));
    EXPECT_EQ(reg.ReadBinaryData("Blob", back, sizeof back), 0);
}

TEST_F(TRegistryTest, ReadsAndWritesFailAsTheClassLibraryFails) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Errors", true));
    reg.WriteInteger("Number", 7);
    reg.WriteString("Short", "abc");
    reg.WriteString("Long", "a longer text");
    const uint8_t big[16] = {};
    reg.WriteBinaryData("Big", big, sizeof big);
    uint8_t small[4];

    EXPECT_EQ(reg.ReadString("Missing"), "");
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {"string of an integer", [&] { reg.ReadString("Number"); }, "Invalid data type for 'Number'"},
        {"integer of a missing value", [&] { reg.ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
        {"integer of a 4-byte string", [&] { reg.ReadInteger("Short"); }, "Invalid data type for 'Short'"},
        {"integer of a long string", [&] { reg.ReadInteger("Long"); }, "Failed to get data for 'Long'"},
        {"bool of a missing value", [&] { reg.ReadBool("Missing"); }, "Failed to get data for 'Missing'"},
        {"float of an integer", [&] { reg.ReadFloat("Number"); }, "Invalid data type for 'Number'"},
        {"date of a missing value", [&] { reg.ReadDateTime("Missing"); }, "Failed to get data for 'Missing'"},
        {"binary into a small buffer", [&] { reg.ReadBinaryData("Big", small, sizeof small); },
         "Invalid data type for 'Big'"},
        {"binary of a string", [&] { reg.ReadBinaryData("Short", small, sizeof small); }, "Invalid data type for 'Short'"},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageOf(c.call), c.message) << c.what;

    reg.CloseKey();
    EXPECT_EQ(reg.ReadString("Number"), "");
    EXPECT_EQ(MessageOf([&] { reg.WriteString("Text", "x"); }), "Failed to set data for 'Text'");
    EXPECT_EQ(MessageOf([&] { reg.CreateKey("\\Bad\\\\Path"); }), "Failed to create key \\Bad\\\\Path");
}

TEST_F(TRegistryTest, ReadOnlyKeysOpenOnlyForReading) {
    {
        TRegistry setup;
        setup.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(setup.OpenKey("SOFTWARE\\Locked", true));
        setup.WriteString("Name", "kept");
    }
    ASSERT_EQ(RegistrySetKeyReadOnly(HKEY_LOCAL_MACHINE, "SOFTWARE\\Locked", true), ERROR_SUCCESS);
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey("SOFTWARE\\Locked", false));
    EXPECT_FALSE(reg.OpenKey("SOFTWARE\\Locked", true));
    reg.SetAccess(KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY);
    EXPECT_FALSE(reg.OpenKey("SOFTWARE\\Locked", false));
    EXPECT_TRUE(reg.KeyExists("SOFTWARE\\Locked"));
    EXPECT_FALSE(reg.DeleteKey("SOFTWARE\\Locked"));

    ASSERT_TRUE(reg.OpenKeyReadOnly("SOFTWARE\\Locked"));
    EXPECT_EQ(reg.Access(), static_cast<uint32_t>(KEY_READ));
    EXPECT_EQ(reg.ReadString("Name"), "kept");
    EXPECT_EQ(MessageOf([&] { reg.WriteString("Name", "changed"); }), "Failed to set data for 'Name'");
    // Access stays KEY_READ: keys opened later are for reading only.
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE", true));
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("X", 1); }), "Failed to set data for 'X'");
}

TEST_F(TRegistryTest, KeyListsDeletionAndMoving) {
    TRegistry reg;
    for (const char* path : {"\\Software\\Tree\\b\\deep\\deeper", "\\Software\\Tree\\A", "\\Software\\Tree\\c"}) {
        ASSERT_TRUE(reg.OpenKey(path, true));
        reg.WriteString("v", path);
    }
    ASSERT_TRUE(reg.OpenKey("\\Software\\Tree", false));
    reg.WriteInteger("Second", 2);
    reg.WriteInteger("First", 1);
    TStringList keys;
    keys.Add("stale");
    reg.GetKeyNames(keys);
    ASSERT_EQ(keys.Count(), 3);
    EXPECT_EQ(keys.Strings(0), "A");
    EXPECT_EQ(keys.Strings(1), "b");
    EXPECT_EQ(keys.Strings(2), "c");
    std::vector<std::string> values;
    reg.GetValueNames(values);
    EXPECT_EQ(values, (std::vector<std::string>{"Second", "First"}));
    TRegKeyInfo info;
    ASSERT_TRUE(reg.GetKeyInfo(info));
    EXPECT_EQ(info.NumSubKeys, 3);
    EXPECT_EQ(info.NumValues, 2);
    EXPECT_EQ(info.MaxValueLen, 6);
    EXPECT_TRUE(reg.HasSubKeys());

    reg.MoveKey("b", "moved", true);
    EXPECT_FALSE(reg.KeyExists("b"));
    ASSERT_TRUE(reg.KeyExists("moved\\deep\\deeper"));
    reg.MoveKey("A", "c", true);  // the target exists: nothing happens
    EXPECT_TRUE(reg.KeyExists("A"));

    // DeleteKey takes the sub-keys with it even on the NT family.
    ASSERT_EQ(GetRegistryFamily(), RegistryFamily::NT);
    EXPECT_TRUE(reg.DeleteKey("moved"));
    EXPECT_FALSE(reg.KeyExists("moved"));
    EXPECT_TRUE(reg.DeleteKey("\\Software\\Tree"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Tree"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\Tree"));
}
