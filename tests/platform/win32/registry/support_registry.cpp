#include "support_registry.h"

using namespace win32;

void RegistryTest::SetUp() { OpenMachineRegistry(machine_.path().string()); }

void RegistryTest::TearDown() { CloseMachineRegistry(); }

HKEY RegistryTest::Create(HKEY root, const std::string& path) {
    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyEx(root, path, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &key, nullptr), ERROR_SUCCESS)
        << path;
    return key;
}

LONG RegistryTest::SetString(HKEY key, const std::string& name, const std::string& text) {
    const std::string data = text + '\0';
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(data.data()),
                         static_cast<uint32_t>(data.size()));
}

std::string RegistryTest::Read(HKEY key, const std::string& name, uint32_t* type) {
    uint32_t size = 0;
    LONG rc = RegQueryValueEx(key, name, nullptr, type, nullptr, &size);
    if (rc != ERROR_SUCCESS) return "error " + std::to_string(rc);
    std::string data(size, '\0');
    rc = RegQueryValueEx(key, name, nullptr, type, reinterpret_cast<uint8_t*>(data.data()), &size);
    if (rc != ERROR_SUCCESS) return "error " + std::to_string(rc);
    return data.substr(0, size);
}
