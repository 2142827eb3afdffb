// Values: types and sizes as stored, buffers too small, missing values, key
// information and the default-value calls.

#include <cstring>

#include "support_registry.h"
#include "win32/registry/registry_store.h"

using namespace win32;

namespace {

std::string Bytes(const void* data, size_t size) { return std::string(static_cast<const char*>(data), size); }

}  // namespace

TEST_F(RegistryTest, TypedValuesKeepTheirTypeAndExactBytes) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Typed");
    const uint32_t ten = 10;
    struct Case {
        const char* name;
        uint32_t type;
        std::string data;
    };
    const Case cases[] = {
        {"Text", REG_SZ, std::string("C:\\Program Files\0", 17)},
        {"Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\system32\0", 22)},
        {"Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9)},
        {"Number", REG_DWORD, Bytes(&ten, 4)},
        {"Blob", REG_BINARY, std::string("\x00\xff\x10\x80", 4)},
        {"Nothing", REG_NONE, ""},
        {"Unterminated", REG_SZ, "abc"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RegSetValueEx(key, c.name, 0, c.type, reinterpret_cast<const uint8_t*>(c.data.data()),
                                static_cast<uint32_t>(c.data.size())),
                  ERROR_SUCCESS)
            << c.name;
    }
    for (const auto& c : cases) {
        uint32_t type = 99, size = 0;
        ASSERT_EQ(RegQueryValueEx(key, c.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(size, c.data.size()) << c.name;
        EXPECT_EQ(Read(key, c.name), c.data) << c.name;
    }
    uint32_t values = 0, longestName = 0, longestData = 0, subKeys = 7, longestKey = 7;
    ASSERT_EQ(RegQueryInfoKey(key, &subKeys, &longestKey, &values, &longestName, &longestData), ERROR_SUCCESS);
    EXPECT_EQ(values, std::size(cases));
    EXPECT_EQ(longestName, std::strlen("Unterminated"));
    EXPECT_EQ(longestData, 22u);
    EXPECT_EQ(subKeys, 0u);
    EXPECT_EQ(longestKey, 0u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, SmallBuffersGetMoreDataAndTheSizeNeeded) {
    HKEY key = Create(HKEY_CURRENT_USER, "Software\\Sizes");
    ASSERT_EQ(SetString(key, "Path", "C:\\WINDOWS"), ERROR_SUCCESS);
    uint8_t buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    uint32_t type = 0, size = 4;
    EXPECT_EQ(RegQueryValueEx(key, "Path", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 11u);
    EXPECT_EQ(type, REG_SZ);
    size = 11;
    EXPECT_EQ(RegQueryValueEx(key, "Path", nullptr, &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(Bytes(buffer, 12), std::string("C:\\WINDOWS\0#", 12));

    std::string name;
    size = 2;
    EXPECT_EQ(RegEnumValue(key, 0, name, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(name, "Path");
    EXPECT_EQ(size, 11u);

    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "Path", nullptr, &type, buffer, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteValue(key, "Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(key, "PATH"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, "Path", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryTest, ChangedValuesKeepTheirPlaceInTheList) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Places");
    for (const char* name : {"b", "a", "c"}) SetString(key, name, name);
    const uint32_t one = 1;
    ASSERT_EQ(RegSetValueEx(key, "A", 0, REG_DWORD, reinterpret_cast<const uint8_t*>(&one), 4), ERROR_SUCCESS);
    std::string names;
    std::string name;
    for (uint32_t i = 0; RegEnumValue(key, i, name, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i) names += name;
    EXPECT_EQ(names, "bac");
    uint32_t type = 0;
    EXPECT_EQ(Read(key, "a", &type), Bytes(&one, 4));
    EXPECT_EQ(type, REG_DWORD);
    RegCloseKey(key);
}

TEST_F(RegistryTest, DefaultValueCallsWorkOnSubKeys) {
    ASSERT_EQ(RegSetValue(HKEY_CLASSES_ROOT, "QuilleryProject\\DefaultIcon", REG_SZ, "C:\\Q\\FileIcon.ico"), ERROR_SUCCESS);
    std::string value = "stale";
    EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "QuilleryProject\\DefaultIcon", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "C:\\Q\\FileIcon.ico");
    EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "QuilleryProject", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "");
    EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "NoSuchClass", value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValue(HKEY_CLASSES_ROOT, "X", REG_DWORD, "1"), ERROR_INVALID_PARAMETER);
    HKEY key = 0;
    ASSERT_EQ(RegOpenKey(HKEY_CLASSES_ROOT, "QuilleryProject", &key), ERROR_SUCCESS);
    uint32_t subKeys = 0, longestKey = 0;
    ASSERT_EQ(RegQueryInfoKey(key, &subKeys, &longestKey, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
    EXPECT_EQ(longestKey, std::strlen("DefaultIcon"));
    EXPECT_EQ(RegFlushKey(key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryTest, VolatileKeysGoAtRestart) {
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Stays"));
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Session\\Now", 0, "", REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                             &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Session\\Stable", 0, "", REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, &key, nullptr),
              ERROR_CHILD_MUST_BE_VOLATILE);
    CurrentRegistryStore().DeleteVolatileKeys();
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Session", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Stays", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}
