#include "paths/routines_Registry.h"

#include <vector>

#include "support/routines_API.h"

using namespace win32;

namespace {

constexpr uint32_t kOpenAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

struct KeyPlace {
    HKEY base;
    std::string subKey;
};

// The handle a key text starts from and the rest of the text.
KeyPlace PlaceOf(const TqrvlRegistry& registry, const std::string& key) {
    if (!key.empty() && key.front() == '\\') return {registry.RootKey(), key.substr(1)};
    return {registry.CurrentKey() != 0 ? registry.CurrentKey() : registry.RootKey(), key};
}

bool DeleteTreeBelow(HKEY base, const std::string& subKey) {
    HKEY opened = 0;
    if (RegOpenKeyEx(base, subKey, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return false;
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; RegEnumKeyEx(opened, i, name) == ERROR_SUCCESS; ++i) names.push_back(name);
    for (const std::string& child : names) DeleteTreeBelow(opened, child);
    RegCloseKey(opened);
    return RegDeleteKey(base, subKey) == ERROR_SUCCESS;
}

}  // namespace

HKEY RootKeyToHandle(TRootKeys root) {
    switch (root) {
        case hkClassesRoot:
            return HKEY_CLASSES_ROOT;
        case hkCurrentConfig:
            return HKEY_CURRENT_CONFIG;
        case hkCurrentUser:
            return HKEY_CURRENT_USER;
        case hkDynData:
            return HKEY_DYN_DATA;
        case hkLocalMachine:
            return HKEY_LOCAL_MACHINE;
        case hkUsers:
            return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

TRootKeys HandleToRootKey(HKEY handle, TRootKeys defaultRoot) {
    for (TRootKeys root : {hkClassesRoot, hkCurrentConfig, hkCurrentUser, hkDynData, hkLocalMachine, hkUsers})
        if (RootKeyToHandle(root) == handle) return root;
    return defaultRoot;
}

bool RegistryKeyExists(TqrvlRegistry& registry, const std::string& key) {
    const KeyPlace place = PlaceOf(registry, key);
    HKEY opened = 0;
    if (RegOpenKeyEx(place.base, place.subKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    if (opened != place.base) RegCloseKey(opened);
    return true;
}

bool OpenRegistryKey(TqrvlRegistry& registry, const std::string& key, bool create) {
    if (!create || key.empty() || RegistryKeyExists(registry, key)) {
        registry.SetAccess(kOpenAccess);
        return registry.OpenKey(key, false);
    }
    registry.SetAccess(KEY_ALL_ACCESS);
    return registry.OpenKey(key, true);
}

bool DeleteKeyTree(TqrvlRegistry& registry, const std::string& key) {
    const KeyPlace place = PlaceOf(registry, key);
    return !place.subKey.empty() && DeleteTreeBelow(place.base, place.subKey);
}

namespace {

// Opens `key` of `root` in `registry` for reading; false when any step fails.
bool OpenForReading(TqrvlRegistry& registry, TRootKeys root, const std::string& key, const std::string& name) {
    registry.SetRootKey(RootKeyToHandle(root));
    return RegistryKeyExists(registry, key) && OpenRegistryKey(registry, key, false) && registry.ValueExists(name);
}

}  // namespace

std::string ReadRegistryString(TRootKeys root, const std::string& key, const std::string& name,
                               const std::string& defaultValue) {
    try {
        TqrvlRegistry registry;
        if (OpenForReading(registry, root, key, name)) return registry.ReadString(name);
    } catch (const Exception&) {
        // An unreadable value reads as the default.
    }
    return defaultValue;
}

int32_t ReadRegistryInteger(TRootKeys root, const std::string& key, const std::string& name, int32_t defaultValue) {
    try {
        TqrvlRegistry registry;
        if (OpenForReading(registry, root, key, name)) return registry.ReadInteger(name);
    } catch (const Exception&) {
        // An unreadable value reads as the default.
    }
    return defaultValue;
}

void WriteRegistryString(TRootKeys root, const std::string& key, const std::string& name, const std::string& value) {
    const std::string failure = "Cannot install into registry. Key: " + key + " Ident: " + name + " Value " + value;
    TqrvlRegistry registry;
    registry.SetRootKey(RootKeyToHandle(root));
    try {
        if (!OpenRegistryKey(registry, key, true)) throw EIRCannotWriteValue(failure);
        registry.WriteString(name, value);
    } catch (const ERegistryException&) {
        throw EIRCannotWriteValue(failure);
    }
}

void WriteRegistryInteger(TRootKeys root, const std::string& key, const std::string& name, int32_t value) {
    TqrvlRegistry registry;
    registry.SetRootKey(RootKeyToHandle(root));
    try {
        if (!OpenRegistryKey(registry, key, true)) throw EIRCannotWriteValue(key);
        registry.WriteInteger(name, value);
    } catch (const ERegistryException&) {
        throw EIRCannotWriteValue(key);
    }
}

void DeleteRegistryTree(TRootKeys root, const std::string& key) {
    try {
        TqrvlRegistry registry;
        registry.SetRootKey(RootKeyToHandle(root));
        if (!OpenRegistryKey(registry, key, false)) return;
        std::vector<std::string> names;
        registry.GetKeyNames(names);
        registry.CloseKey();
        for (const std::string& name : names) DeleteRegistryTree(root, key + "\\" + name);
        DeleteKeyTree(registry, key);
    } catch (const Exception&) {
        // Deleting is best effort: whatever remains stays.
    }
}

bool RegisterRunOnce(const std::string& name, const std::string& command, bool unique) {
    TqrvlRegistry registry;
    registry.SetRootKey(IsNTFamily(CurrentOS()) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE);
    if (!OpenRegistryKey(registry, "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", true)) return false;
    try {
        std::string suffix;
        for (int n = 1; unique && registry.ValueExists(name + suffix); ++n) suffix = std::to_string(n);
        registry.WriteString(name + suffix, command);
        registry.SetLazyWrite(false);
        registry.CloseKey();
        return true;
    } catch (const Exception&) {
        return false;
    }
}
