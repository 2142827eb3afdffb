#pragma once
// A fresh machine registry for each test, and short ways to write and read
// values through the Reg* calls.

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "win32/registry/registry.h"

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates (or opens) `path` under `root` with KEY_ALL_ACCESS; fails the
    // test when that does not work.
    win32::HKEY Create(win32::HKEY root, const std::string& path);
    // Sets a REG_SZ value (with its terminating zero) on an open key.
    win32::LONG SetString(win32::HKEY key, const std::string& name, const std::string& text);
    // The value's bytes (and its type), or "error <code>" when it cannot
    // be read.
    std::string Read(win32::HKEY key, const std::string& name, uint32_t* type = nullptr);

    testsupport::TempDir machine_{"quillery-registry"};
};
