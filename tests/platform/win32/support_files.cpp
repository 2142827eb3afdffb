#include "support_files.h"

#include <gtest/gtest.h>

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/paths.h"
#include "win32/file_contents.h"
#include "win32/files.h"

namespace machinetest {

void MakeFile(const std::string& path, const std::string& bytes) {
    EXPECT_TRUE(win32::WriteWholeFile(path, bytes)) << path << ": " << win32::GetLastError();
}

win32::HANDLE Open(const std::string& path, uint32_t access, uint32_t share, uint32_t disposition) {
    return win32::CreateFile(path, access, share, nullptr, disposition, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string Content(const std::string& path) { return win32::ReadWholeFile(path).value_or("<unreadable>"); }

bool CreateDirectoryForTest(const std::string& path) {
    const auto parsed = win32::ParseWindowsPath(path);
    if (!parsed) return false;
    win32::WindowsPath folder{parsed->drive, {}};
    for (const std::string& name : parsed->names) {
        folder = folder.Child(name);
        if (!win32::CreateDirectory(folder.Text(), nullptr) && win32::GetLastError() != win32::ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

}  // namespace machinetest
