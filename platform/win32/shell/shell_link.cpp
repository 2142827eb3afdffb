#include "win32/shell/shell_link.h"

#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/files.h"
#include "win32/host_names.h"
#include "win32/paths.h"
#include "win32/process/show_commands.h"

namespace win32 {

HRESULT ShellLink::Store(std::string& field, const std::string& value, size_t limit) {
    if (value.size() > limit) return E_INVALIDARG;
    field = value;
    dirty_ = true;
    return S_OK;
}

HRESULT ShellLink::SetPath(const std::string& file) { return Store(data_.path, file, MAX_PATH - 1); }
HRESULT ShellLink::SetArguments(const std::string& args) {
    return Store(data_.arguments, args, kMaxLinkTextLength);
}
HRESULT ShellLink::SetWorkingDirectory(const std::string& dir) {
    return Store(data_.workingDirectory, dir, MAX_PATH - 1);
}
HRESULT ShellLink::SetDescription(const std::string& name) {
    return Store(data_.description, name, kMaxLinkTextLength);
}
HRESULT ShellLink::SetRelativePath(const std::string& relPath) {
    return Store(data_.relativePath, relPath, MAX_PATH - 1);
}
HRESULT ShellLink::SetIconLocation(const std::string& iconPath, int32_t icon) {
    const HRESULT hr = Store(data_.iconLocation, iconPath, MAX_PATH - 1);
    if (SUCCEEDED(hr)) data_.iconIndex = icon;
    return hr;
}
HRESULT ShellLink::SetHotkey(uint16_t hotkey) {
    data_.hotkey = hotkey;
    dirty_ = true;
    return S_OK;
}
HRESULT ShellLink::SetShowCmd(int32_t showCmd) {
    data_.showCommand = showCmd == SW_SHOWMAXIMIZED || showCmd == SW_SHOWMINNOACTIVE ? showCmd : SW_SHOWNORMAL;
    dirty_ = true;
    return S_OK;
}

HRESULT ShellLink::GetPath(std::string& file) const {
    file = data_.path;
    return data_.path.empty() ? S_FALSE : S_OK;
}
HRESULT ShellLink::GetArguments(std::string& args) const {
    args = data_.arguments;
    return S_OK;
}
HRESULT ShellLink::GetWorkingDirectory(std::string& dir) const {
    dir = data_.workingDirectory;
    return S_OK;
}
HRESULT ShellLink::GetDescription(std::string& name) const {
    name = data_.description;
    return S_OK;
}
HRESULT ShellLink::GetIconLocation(std::string& iconPath, int32_t& icon) const {
    iconPath = data_.iconLocation;
    icon = data_.iconIndex;
    return S_OK;
}
HRESULT ShellLink::GetHotkey(uint16_t& hotkey) const {
    hotkey = data_.hotkey;
    return S_OK;
}
HRESULT ShellLink::GetShowCmd(int32_t& showCmd) const {
    showCmd = data_.showCommand;
    return S_OK;
}

HRESULT ShellLink::Save(const std::string& fileName, bool remember) {
    ShellLinkData saved = data_;
    if (!saved.path.empty()) {
        const uint32_t attributes = GetFileAttributes(saved.path);
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            saved.fileAttributes = attributes;
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                const HANDLE target = CreateFile(saved.path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                 nullptr, OPEN_EXISTING, 0, nullptr);
                if (target != INVALID_HANDLE_VALUE) {
                    saved.fileSize = GetFileSize(target, nullptr);
                    CloseHandle(target);
                }
            }
        }
        if (saved.relativePath.empty()) saved.relativePath = RelativeLinkPath(fileName, saved.path);
    }
    if (!WriteWholeFile(fileName, EncodeShellLink(saved))) return HRESULT_FROM_WIN32(GetLastError());
    if (remember) {
        curFile_ = fileName;
        dirty_ = false;
    }
    return S_OK;
}

HRESULT ShellLink::Load(const std::string& fileName, uint32_t /*mode*/) {
    const std::optional<std::string> bytes = ReadWholeFile(fileName);
    if (!bytes) return HRESULT_FROM_WIN32(GetLastError());
    std::optional<ShellLinkData> link = DecodeShellLink(*bytes);
    if (!link) return E_FAIL;
    data_ = std::move(*link);
    curFile_ = fileName;
    dirty_ = false;
    return S_OK;
}

HRESULT ShellLink::GetCurFile(std::string& fileName) const {
    fileName = curFile_;
    return curFile_.empty() ? S_FALSE : S_OK;
}

HRESULT ShellLink::IsDirty() const { return dirty_ ? S_OK : S_FALSE; }

std::string RelativeLinkPath(const std::string& linkFile, const std::string& target) {
    const std::optional<WindowsPath> link = ParseWindowsPath(linkFile);
    const std::optional<WindowsPath> to = ParseWindowsPath(target);
    if (!link || !to || link->drive != to->drive || link->IsRoot()) return {};
    const std::vector<std::string>& from = link->Parent().names;
    size_t common = 0;
    while (common < from.size() && common < to->names.size() && SameName(from[common], to->names[common])) ++common;
    std::string relative = common == from.size() ? "." : "";
    for (size_t i = common; i < from.size(); ++i) relative += relative.empty() ? ".." : "\\..";
    for (size_t i = common; i < to->names.size(); ++i) relative += "\\" + to->names[i];
    return relative;
}

}  // namespace win32
