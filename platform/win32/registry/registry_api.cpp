// The Reg* calls over the process's current registry store.

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "win32/registry/registry.h"
#include "win32/registry/registry_paths.h"
#include "win32/registry/registry_store.h"

namespace win32 {

namespace {

// Rights that change a key, its values or its sub-keys.
constexpr uint32_t kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;

// The longest value name Windows stores.
constexpr size_t kMaxValueNameLength = 16383;

// Handles of opened keys count up from here in steps of 4, as Windows
// handles do; they never collide with the predefined values.
constexpr HKEY kFirstHandle = 0x100;

struct OpenedKey {
    int64_t id;
    uint32_t access;
};

struct RegistryState {
    std::recursive_mutex mutex;
    std::unique_ptr<RegistryStore> store;
    std::map<HKEY, OpenedKey> handles;
    HKEY nextHandle = kFirstHandle;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

// The key a handle stands for, with the handle's rights.
LONG Resolve(RegistryStore& store, HKEY hKey, OpenedKey& opened) {
    if (registry_paths::IsPredefined(hKey)) {
        const auto id = registry_paths::RootKeyId(store, hKey);
        if (!id) return ERROR_INVALID_HANDLE;
        opened = {*id, KEY_ALL_ACCESS};
        return ERROR_SUCCESS;
    }
    const auto it = State().handles.find(hKey);
    if (it == State().handles.end()) return ERROR_INVALID_HANDLE;
    if (!store.KeyExists(it->second.id)) return ERROR_KEY_DELETED;
    opened = it->second;
    return ERROR_SUCCESS;
}

// Runs `call` with the current store under the registry's lock, turning
// store errors into the code they carry.
template <typename Call>
LONG WithStore(Call&& call) {
    std::lock_guard lock(State().mutex);
    if (!State().store) return ERROR_CANTOPEN;
    try {
        return call(*State().store);
    } catch (const RegistryStoreError& error) {
        return error.Code();
    }
}

// WithStore for a call on an opened key that needs `rights` on its handle.
template <typename Call>
LONG WithKey(HKEY hKey, uint32_t rights, Call&& call) {
    return WithStore([&](RegistryStore& store) -> LONG {
        OpenedKey opened{};
        if (const LONG rc = Resolve(store, hKey, opened); rc != ERROR_SUCCESS) return rc;
        if ((opened.access & rights) != rights) return ERROR_ACCESS_DENIED;
        return call(store, opened.id);
    });
}

HKEY NewHandle(int64_t id, uint32_t access) {
    auto& state = State();
    const HKEY handle = state.nextHandle;
    state.nextHandle += 4;
    state.handles[handle] = {id, access};
    return handle;
}

// The rights a handle gets: what was asked for, or for MAXIMUM_ALLOWED all
// that the key allows; nothing (ERROR_ACCESS_DENIED) when a read-only key
// is asked for a write right.
LONG GrantedRights(RegistryStore& store, int64_t id, uint32_t samDesired, uint32_t& granted) {
    const bool readOnly = store.IsReadOnly(id);
    if (samDesired & MAXIMUM_ALLOWED) {
        granted = readOnly ? KEY_READ : KEY_ALL_ACCESS;
        return ERROR_SUCCESS;
    }
    if (readOnly && (samDesired & kWriteRights)) return ERROR_ACCESS_DENIED;
    granted = samDesired;
    return ERROR_SUCCESS;
}

// Copies `bytes` into the caller's buffer the way RegQueryValueEx does.
LONG ReturnData(const std::string& bytes, uint8_t* data, uint32_t* cbData) {
    const auto size = static_cast<uint32_t>(bytes.size());
    if (!data) {
        if (cbData) *cbData = size;
        return ERROR_SUCCESS;
    }
    if (!cbData) return ERROR_INVALID_PARAMETER;
    const uint32_t room = *cbData;
    *cbData = size;
    if (room < size) return ERROR_MORE_DATA;
    if (size > 0) std::memcpy(data, bytes.data(), size);
    return ERROR_SUCCESS;
}

void OpenStore(const std::string& hostPath) {
    auto store = std::make_unique<RegistryStore>(hostPath);
    std::lock_guard lock(State().mutex);
    State().handles.clear();
    State().store = std::move(store);
}

}  // namespace

void OpenMachineRegistry(const std::string& hostFolder) {
    OpenStore((std::filesystem::path(hostFolder) / "registry.db").string());
}

void OpenRegistryFile(const std::string& hostPath) { OpenStore(hostPath); }

void CloseMachineRegistry() {
    std::lock_guard lock(State().mutex);
    State().handles.clear();
    State().store.reset();
}

bool MachineRegistryIsOpen() {
    std::lock_guard lock(State().mutex);
    return State().store != nullptr;
}

RegistryStore& CurrentRegistryStore() {
    std::lock_guard lock(State().mutex);
    if (!State().store) throw RegistryStoreError(ERROR_CANTOPEN, "No machine registry is open");
    return *State().store;
}

RegistryFamily GetRegistryFamily() { return CurrentRegistryStore().Family(); }

void SetRegistryFamily(RegistryFamily family) { CurrentRegistryStore().SetFamily(family); }

LONG RegistrySetKeyReadOnly(HKEY root, const std::string& subKey, bool readOnly) {
    return WithKey(root, 0, [&](RegistryStore& store, int64_t base) -> LONG {
        std::vector<std::string> names;
        if (const LONG rc = registry_paths::SplitKeyPath(subKey, names); rc != ERROR_SUCCESS) return rc;
        const auto key = registry_paths::FindKey(store, base, names);
        if (!key) return ERROR_FILE_NOT_FOUND;
        store.SetReadOnly(*key, readOnly);
        return ERROR_SUCCESS;
    });
}

LONG RegOpenKeyEx(HKEY hKey, const std::string& subKey, uint32_t /*options*/, uint32_t samDesired, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = 0;
    return WithKey(hKey, 0, [&](RegistryStore& store, int64_t base) -> LONG {
        std::vector<std::string> names;
        if (const LONG rc = registry_paths::SplitKeyPath(subKey, names); rc != ERROR_SUCCESS) return rc;
        const auto key = registry_paths::FindKey(store, base, names);
        if (!key) return ERROR_FILE_NOT_FOUND;
        uint32_t granted = 0;
        if (const LONG rc = GrantedRights(store, *key, samDesired, granted); rc != ERROR_SUCCESS) return rc;
        *result = NewHandle(*key, granted);
        return ERROR_SUCCESS;
    });
}

LONG RegOpenKey(HKEY hKey, const std::string& subKey, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    if (subKey.empty()) {
        *result = 0;
        const LONG rc = WithKey(hKey, 0, [](RegistryStore&, int64_t) -> LONG { return ERROR_SUCCESS; });
        if (rc == ERROR_SUCCESS) *result = hKey;
        return rc;
    }
    return RegOpenKeyEx(hKey, subKey, 0, MAXIMUM_ALLOWED, result);
}

LONG RegCreateKeyEx(HKEY hKey, const std::string& subKey, uint32_t /*reserved*/, const std::string& /*className*/,
                    uint32_t options, uint32_t samDesired, HKEY* result, uint32_t* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = 0;
    OpenedKey opened{};
    return WithStore([&](RegistryStore& store) -> LONG {
        if (const LONG rc = Resolve(store, hKey, opened); rc != ERROR_SUCCESS) return rc;
        std::vector<std::string> names;
        if (const LONG rc = registry_paths::SplitKeyPath(subKey, names); rc != ERROR_SUCCESS) return rc;
        RegistryStore::Transaction transaction(store);
        int64_t key = opened.id;
        bool created = false;
        for (const auto& name : names) {
            if (const auto next = store.FindSubKey(key, name)) {
                key = *next;
                continue;
            }
            if (!(opened.access & KEY_CREATE_SUB_KEY) || store.IsReadOnly(key)) return ERROR_ACCESS_DENIED;
            const bool isVolatile = (options & REG_OPTION_VOLATILE) != 0;
            if (!isVolatile && store.IsVolatile(key)) return ERROR_CHILD_MUST_BE_VOLATILE;
            key = store.CreateSubKey(key, name, isVolatile);
            created = true;
        }
        uint32_t granted = 0;
        if (const LONG rc = GrantedRights(store, key, samDesired, granted); rc != ERROR_SUCCESS) return rc;
        transaction.Commit();
        *result = NewHandle(key, granted);
        if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    });
}

LONG RegCreateKey(HKEY hKey, const std::string& subKey, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    if (subKey.empty()) return RegOpenKey(hKey, subKey, result);
    return RegCreateKeyEx(hKey, subKey, 0, "", REG_OPTION_NON_VOLATILE, MAXIMUM_ALLOWED, result, nullptr);
}

LONG RegCloseKey(HKEY hKey) {
    if (registry_paths::IsPredefined(hKey)) return ERROR_SUCCESS;
    std::lock_guard lock(State().mutex);
    return State().handles.erase(hKey) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegFlushKey(HKEY hKey) {
    return WithKey(hKey, 0, [](RegistryStore&, int64_t) -> LONG { return ERROR_SUCCESS; });
}

LONG RegQueryValueEx(HKEY hKey, const std::string& valueName, uint32_t* reserved, uint32_t* type, uint8_t* data,
                     uint32_t* cbData) {
    if (reserved) return ERROR_INVALID_PARAMETER;
    return WithKey(hKey, KEY_QUERY_VALUE, [&](RegistryStore& store, int64_t key) -> LONG {
        const auto value = store.FindValue(key, valueName);
        if (!value) return ERROR_FILE_NOT_FOUND;
        if (type) *type = value->type;
        return ReturnData(value->data, data, cbData);
    });
}

LONG RegSetValueEx(HKEY hKey, const std::string& valueName, uint32_t /*reserved*/, uint32_t type, const uint8_t* data,
                   uint32_t cbData) {
    if (!data && cbData > 0) return ERROR_INVALID_PARAMETER;
    if (valueName.size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
    return WithKey(hKey, KEY_SET_VALUE, [&](RegistryStore& store, int64_t key) -> LONG {
        if (store.IsReadOnly(key)) return ERROR_ACCESS_DENIED;
        const std::string bytes = cbData > 0 ? std::string(reinterpret_cast<const char*>(data), cbData) : std::string();
        store.SetValue(key, valueName, type, bytes);
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValue(HKEY hKey, const std::string& valueName) {
    return WithKey(hKey, KEY_SET_VALUE, [&](RegistryStore& store, int64_t key) -> LONG {
        if (store.IsReadOnly(key)) return ERROR_ACCESS_DENIED;
        return store.DeleteValue(key, valueName) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKey(HKEY hKey, const std::string& subKey) {
    return WithKey(hKey, 0, [&](RegistryStore& store, int64_t base) -> LONG {
        if (subKey.empty() && registry_paths::IsPredefined(hKey)) return ERROR_ACCESS_DENIED;
        std::vector<std::string> names;
        if (const LONG rc = registry_paths::SplitKeyPath(subKey, names); rc != ERROR_SUCCESS) return rc;
        RegistryStore::Transaction transaction(store);
        const auto key = registry_paths::FindKey(store, base, names);
        if (!key) return ERROR_FILE_NOT_FOUND;
        // The keys that predefined handles stand for stay.
        for (const HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER}) {
            if (registry_paths::RootKeyId(store, root) == *key) return ERROR_ACCESS_DENIED;
        }
        if (!store.ParentOf(*key)) return ERROR_ACCESS_DENIED;
        if (store.TreeHasReadOnlyKey(*key)) return ERROR_ACCESS_DENIED;
        if (store.SubKeyCount(*key) > 0 && store.Family() == RegistryFamily::NT) return ERROR_ACCESS_DENIED;
        store.DeleteTree(*key);
        transaction.Commit();
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY hKey, uint32_t index, std::string& name) {
    return WithKey(hKey, KEY_ENUMERATE_SUB_KEYS, [&](RegistryStore& store, int64_t key) -> LONG {
        const auto keys = store.SubKeys(key);
        if (index >= keys.size()) return ERROR_NO_MORE_ITEMS;
        name = keys[index].name;
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValue(HKEY hKey, uint32_t index, std::string& name, uint32_t* type, uint8_t* data, uint32_t* cbData) {
    return WithKey(hKey, KEY_QUERY_VALUE, [&](RegistryStore& store, int64_t key) -> LONG {
        const auto values = store.Values(key);
        if (index >= values.size()) return ERROR_NO_MORE_ITEMS;
        const auto& value = values[index];
        name = value.name;
        if (type) *type = value.type;
        return ReturnData(value.data, data, cbData);
    });
}

LONG RegQueryInfoKey(HKEY hKey, uint32_t* subKeys, uint32_t* maxSubKeyLen, uint32_t* values,
                     uint32_t* maxValueNameLen, uint32_t* maxValueLen) {
    return WithKey(hKey, KEY_QUERY_VALUE, [&](RegistryStore& store, int64_t key) -> LONG {
        const auto keys = store.SubKeys(key);
        const auto valueList = store.Values(key);
        size_t longestKey = 0, longestName = 0, longestData = 0;
        for (const auto& entry : keys) longestKey = std::max(longestKey, entry.name.size());
        for (const auto& value : valueList) {
            longestName = std::max(longestName, value.name.size());
            longestData = std::max(longestData, value.data.size());
        }
        if (subKeys) *subKeys = static_cast<uint32_t>(keys.size());
        if (maxSubKeyLen) *maxSubKeyLen = static_cast<uint32_t>(longestKey);
        if (values) *values = static_cast<uint32_t>(valueList.size());
        if (maxValueNameLen) *maxValueNameLen = static_cast<uint32_t>(longestName);
        if (maxValueLen) *maxValueLen = static_cast<uint32_t>(longestData);
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValue(HKEY hKey, const std::string& subKey, std::string& value) {
    value.clear();
    return WithKey(hKey, 0, [&](RegistryStore& store, int64_t base) -> LONG {
        std::vector<std::string> names;
        if (const LONG rc = registry_paths::SplitKeyPath(subKey, names); rc != ERROR_SUCCESS) return rc;
        const auto key = registry_paths::FindKey(store, base, names);
        if (!key) return ERROR_FILE_NOT_FOUND;
        const auto stored = store.FindValue(*key, "");
        if (!stored) return ERROR_SUCCESS;
        if (stored->type != REG_SZ && stored->type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
        value = stored->data.substr(0, stored->data.find('\0'));
        return ERROR_SUCCESS;
    });
}

LONG RegSetValue(HKEY hKey, const std::string& subKey, uint32_t type, const std::string& value) {
    if (type != REG_SZ) return ERROR_INVALID_PARAMETER;
    HKEY key = 0;
    if (const LONG rc = RegCreateKey(hKey, subKey, &key); rc != ERROR_SUCCESS) return rc;
    const std::string data = value + '\0';
    const LONG rc = RegSetValueEx(key, "", 0, REG_SZ, reinterpret_cast<const uint8_t*>(data.data()),
                                  static_cast<uint32_t>(data.size()));
    if (key != hKey) RegCloseKey(key);
    return rc;
}

}  // namespace win32
