#include "support_machine_keys.h"

#include <gtest/gtest.h>

#include "win32/registry/registry.h"

namespace testsupport {

void SetMachineKeyText(const std::string& subKey, bool isVolatile, const std::string& name, const std::string& text) {
    using namespace win32;
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, subKey, 0, "", isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, &key, nullptr),
              ERROR_SUCCESS)
        << subKey;
    EXPECT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(text.c_str()),
                            static_cast<uint32_t>(text.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace testsupport
