#include "win32/short_names.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "win32/host_names.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
constexpr const char* kAttribute = "user.quillery.shortname";

bool IsShortChar(unsigned char c) {
    if (c >= 0x80) return true;
    if (std::isalnum(c)) return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(static_cast<char>(c)) != std::string_view::npos;
}

std::optional<std::string> StoredShortName(const fs::path& file) {
    char buffer[32];
    const ssize_t size = lgetxattr(file.c_str(), kAttribute, buffer, sizeof buffer);
    if (size <= 0) return std::nullopt;
    return std::string(buffer, static_cast<size_t>(size));
}

// The short name an entry of the folder has now, without making one.
std::optional<std::string> CurrentShortName(const fs::path& dir, const std::string& longName) {
    if (IsShortName(longName)) return UpperName(longName);
    return StoredShortName(dir / AnsiToHostName(longName));
}

// Base and extension of a new short name, before the "~n" is added.
std::pair<std::string, std::string> ShortParts(const std::string& longName) {
    std::string name = UpperName(longName);
    name.erase(0, name.find_first_not_of('.'));
    const size_t dot = name.rfind('.');
    std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    auto clean = [](const std::string& text, size_t limit) {
        std::string out;
        for (unsigned char c : text) {
            if (c == ' ' || c == '.') continue;
            out += IsShortChar(c) ? static_cast<char>(c) : '_';
            if (out.size() == limit) break;
        }
        return out;
    };
    base = clean(base, 8);
    ext = clean(ext, 3);
    if (base.empty()) base = "_";
    return {base, ext};
}
}  // namespace

bool IsShortName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    const size_t dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    return std::all_of(base.begin(), base.end(), [](char c) { return IsShortChar(static_cast<unsigned char>(c)); }) &&
           std::all_of(ext.begin(), ext.end(), [](char c) { return IsShortChar(static_cast<unsigned char>(c)); });
}

std::string ShortNameOf(const fs::path& dir, const std::string& longName) {
    if (auto current = CurrentShortName(dir, longName)) return *current;
    std::set<std::string> taken;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        const std::string name = HostNameToAnsi(entry.path().filename().string());
        taken.insert(UpperName(name));
        if (auto shortName = StoredShortName(entry.path())) taken.insert(UpperName(*shortName));
    }
    const auto [base, ext] = ShortParts(longName);
    std::string made;
    for (int n = 1; n < 1000000; ++n) {
        const std::string tail = "~" + std::to_string(n);
        made = base.substr(0, 8 - tail.size()) + tail + (ext.empty() ? "" : "." + ext);
        if (!taken.contains(made)) break;
    }
    const fs::path file = dir / AnsiToHostName(longName);
    lsetxattr(file.c_str(), kAttribute, made.data(), made.size(), 0);
    return made;
}

std::optional<std::string> LongNameOfShort(const fs::path& dir, const std::string& shortName) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        if (auto stored = StoredShortName(entry.path()); stored && SameName(*stored, shortName))
            return HostNameToAnsi(entry.path().filename().string());
    }
    return std::nullopt;
}

void ForgetShortName(const fs::path& hostFile) { lremovexattr(hostFile.c_str(), kAttribute); }

}  // namespace win32
