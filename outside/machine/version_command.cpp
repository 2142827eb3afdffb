// version: a file's version information through the version functions,
// as a program of the machine would read it.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "machine_commands.h"
#include "win32/codepage.h"
#include "win32/errors.h"
#include "win32/version/version_block.h"
#include "win32/version/version_info.h"

namespace machinetool {

namespace {
std::string Hex(uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string Version(uint32_t ms, uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) + "." +
           std::to_string(ls & 0xFFFF);
}

// The version data of the file, or the reason there is none.
std::vector<uint8_t> ReadVersionData(const std::string& path) {
    uint32_t handle = 0;
    const uint32_t size = win32::GetFileVersionInfoSize(path, &handle);
    std::vector<uint8_t> data(size);
    if (size != 0 && win32::GetFileVersionInfo(path, handle, size, data.data())) return data;
    switch (win32::GetLastError()) {
    case win32::ERROR_BAD_EXE_FORMAT:
    case win32::ERROR_RESOURCE_DATA_NOT_FOUND:
    case win32::ERROR_RESOURCE_TYPE_NOT_FOUND:
        throw std::runtime_error(Shown(path) + ": no version information");
    case win32::ERROR_INVALID_DATA:
        throw std::runtime_error(Shown(path) + ": damaged version information");
    default:
        throw ToolError(LastErrorText(path));
    }
}

void PrintFixedPart(const std::vector<uint8_t>& data, std::ostream& out) {
    const void* value = nullptr;
    uint32_t length = 0;
    if (!win32::VerQueryValue(data.data(), "\\", &value, &length) || length < sizeof(win32::VS_FIXEDFILEINFO)) {
        out << "Fixed part:        none\n";
        return;
    }
    const auto& fixed = *static_cast<const win32::VS_FIXEDFILEINFO*>(value);
    out << "File version:      " << Version(fixed.dwFileVersionMS, fixed.dwFileVersionLS) << "\n"
        << "Product version:   " << Version(fixed.dwProductVersionMS, fixed.dwProductVersionLS) << "\n"
        << "File flags:        0x" << Hex(fixed.dwFileFlags, 8) << " (mask 0x" << Hex(fixed.dwFileFlagsMask, 8) << ")\n"
        << "File OS:           0x" << Hex(fixed.dwFileOS, 8) << "\n"
        << "File type:         0x" << Hex(fixed.dwFileType, 8) << "\n"
        << "File subtype:      0x" << Hex(fixed.dwFileSubtype, 8) << "\n"
        << "File date:         0x" << Hex((uint64_t{fixed.dwFileDateMS} << 32) | fixed.dwFileDateLS, 16) << "\n";
}

void PrintTranslations(const std::vector<uint8_t>& data, std::ostream& out) {
    const void* value = nullptr;
    uint32_t length = 0;
    if (!win32::VerQueryValue(data.data(), "\\VarFileInfo\\Translation", &value, &length)) return;
    const auto* words = static_cast<const uint8_t*>(value);
    for (uint32_t at = 0; at + 4 <= length; at += 4) {
        const uint16_t language = static_cast<uint16_t>(words[at] | words[at + 1] << 8);
        const uint16_t codePage = static_cast<uint16_t>(words[at + 2] | words[at + 3] << 8);
        out << "Translation:       " << Hex(language, 4) << " " << Hex(codePage, 4) << "\n";
    }
}

// Every string of every table, in the block's order: the block names them,
// VerQueryValue gives their ANSI values.
void PrintStrings(const std::vector<uint8_t>& data, std::ostream& out) {
    const auto block = win32::VersionBlock::Parse(std::span<const uint8_t>(data.data(), data.size()));
    const win32::VersionNode* tables = block ? block->Find("\\StringFileInfo") : nullptr;
    if (!tables) return;
    for (const win32::VersionNode& table : tables->children) {
        const std::string tableName = win32::WideCharToMultiByte(win32::CP_ACP, table.key);
        for (const win32::VersionNode& entry : table.children) {
            const std::string path =
                "\\StringFileInfo\\" + tableName + "\\" + win32::WideCharToMultiByte(win32::CP_ACP, entry.key);
            const void* value = nullptr;
            uint32_t length = 0;
            std::string text;
            if (win32::VerQueryValue(data.data(), path, &value, &length) && length > 0)
                text.assign(static_cast<const char*>(value), length - 1);
            out << Shown(path) << " = " << Shown(text) << "\n";
        }
    }
}
}  // namespace

int VersionCommand(const Invocation& call, std::ostream& out) {
    if (call.rest.size() != 1) throw ToolError("usage: machine version PATH");
    OpenMachine(call.folder);
    const std::string path = WindowsPathArgument(call.rest[0]);
    const std::vector<uint8_t> data = ReadVersionData(path);
    out << "File:              " << Shown(path) << "\n";
    PrintFixedPart(data, out);
    PrintTranslations(data, out);
    PrintStrings(data, out);
    return 0;
}

}  // namespace machinetool
