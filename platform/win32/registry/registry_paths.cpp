#include "win32/registry/registry_paths.h"

#include <algorithm>

#include "win32/registry/registry_names.h"

namespace win32::registry_paths {

namespace {

constexpr size_t kMaxKeyNameLength = 255;

struct RootNames {
    HKEY key;
    const char* name;
    const char* abbreviation;
};

constexpr RootNames kRoots[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM"},
    {HKEY_USERS, "HKEY_USERS", "HKU"},
    {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA", "HKPD"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG", "HKCC"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA", "HKDD"},
};

}  // namespace

std::optional<HKEY> RootFromName(std::string_view name) {
    const std::string folded = registry_names::FoldName(name);
    for (const auto& root : kRoots) {
        if (folded == root.name || folded == root.abbreviation) return root.key;
    }
    return std::nullopt;
}

std::string RootName(HKEY root) {
    for (const auto& entry : kRoots) {
        if (entry.key == root) return entry.name;
    }
    return "";
}

bool IsPredefined(HKEY key) { return !RootName(key).empty(); }

std::optional<int64_t> RootKeyId(RegistryStore& store, HKEY root) {
    switch (root) {
        case HKEY_LOCAL_MACHINE:
        case HKEY_USERS:
        case HKEY_CURRENT_CONFIG:
        case HKEY_DYN_DATA:
            return store.HiveId(RootName(root));
        case HKEY_CLASSES_ROOT:
            return CreateKeyPath(store, store.HiveId(RootName(HKEY_LOCAL_MACHINE)), {"SOFTWARE", "Classes"});
        case HKEY_CURRENT_USER:
            return CreateKeyPath(store, store.HiveId(RootName(HKEY_USERS)), {store.CurrentUserKey()});
        default:
            return std::nullopt;
    }
}

LONG SplitKeyPath(std::string_view path, std::vector<std::string>& names) {
    names.clear();
    if (path.empty()) return ERROR_SUCCESS;
    if (path.front() == '\\') return ERROR_BAD_PATHNAME;
    if (path.back() == '\\') path.remove_suffix(1);
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty()) return ERROR_BAD_PATHNAME;
        if (name.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
        names.emplace_back(name);
        start = end + 1;
    }
    return ERROR_SUCCESS;
}

std::optional<int64_t> FindKey(RegistryStore& store, int64_t from, const std::vector<std::string>& names) {
    std::optional<int64_t> key = from;
    for (const auto& name : names) {
        key = store.FindSubKey(*key, name);
        if (!key) return std::nullopt;
    }
    return key;
}

int64_t CreateKeyPath(RegistryStore& store, int64_t from, const std::vector<std::string>& names) {
    int64_t key = from;
    for (const auto& name : names) {
        const auto next = store.FindSubKey(key, name);
        key = next ? *next : store.CreateSubKey(key, name, false);
    }
    return key;
}

}  // namespace win32::registry_paths
