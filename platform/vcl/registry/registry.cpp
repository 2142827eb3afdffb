#include "vcl/registry/registry.h"

#include <cstring>

#include "vcl/classes/strings.h"

using namespace win32;

namespace {

bool IsRelative(const std::string& key) { return key.empty() || key.front() != '\\'; }

std::string WithoutLeadingBackslash(const std::string& key) { return IsRelative(key) ? key : key.substr(1); }

TRegDataType DataTypeToRegData(uint32_t type) {
    switch (type) {
        case REG_SZ: return rdString;
        case REG_EXPAND_SZ: return rdExpandString;
        case REG_DWORD: return rdInteger;
        case REG_BINARY: return rdBinary;
        default: return rdUnknown;
    }
}

uint32_t RegDataToDataType(TRegDataType regData) {
    switch (regData) {
        case rdString: return REG_SZ;
        case rdExpandString: return REG_EXPAND_SZ;
        case rdInteger: return REG_DWORD;
        case rdBinary: return REG_BINARY;
        default: return REG_NONE;
    }
}

[[noreturn]] void ReadError(const std::string& name) {
    throw ERegistryException("Invalid data type for '" + name + "'");
}

// Copies every value and sub-key of `from` into `to`.
void CopyTree(HKEY from, HKEY to) {
    std::string name;
    for (uint32_t i = 0;; ++i) {
        uint32_t type = 0, size = 0;
        if (RegEnumValue(from, i, name, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::string data(size, '\0');
        if (RegEnumValue(from, i, name, &type, reinterpret_cast<uint8_t*>(data.data()), &size) != ERROR_SUCCESS) break;
        RegSetValueEx(to, name, 0, type, reinterpret_cast<const uint8_t*>(data.data()), size);
    }
    for (uint32_t i = 0; RegEnumKeyEx(from, i, name) == ERROR_SUCCESS; ++i) {
        HKEY source = 0, target = 0;
        if (RegOpenKeyEx(from, name, 0, KEY_READ, &source) == ERROR_SUCCESS) {
            if (RegCreateKeyEx(to, name, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &target, nullptr) ==
                ERROR_SUCCESS) {
                CopyTree(source, target);
                RegCloseKey(target);
            }
            RegCloseKey(source);
        }
    }
}

}  // namespace

TRegistry::TRegistry() = default;

TRegistry::TRegistry(uint32_t access) : access_(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY rootKey) {
    if (rootKey_ == rootKey) return;
    rootKey_ = rootKey;
    CloseKey();
}

HKEY TRegistry::BaseKey(bool relative) const { return currentKey_ == 0 || !relative ? rootKey_ : currentKey_; }

HKEY TRegistry::GetKey(const std::string& key) {
    HKEY result = 0;
    RegOpenKeyEx(BaseKey(IsRelative(key)), WithoutLeadingBackslash(key), 0, access_, &result);
    return result;
}

void TRegistry::ChangeKey(HKEY key, const std::string& path) {
    CloseKey();
    currentKey_ = key;
    currentPath_ = path;
}

std::string TRegistry::PathOf(const std::string& key) const {
    const std::string path = WithoutLeadingBackslash(key);
    if (currentKey_ == 0 || !IsRelative(key)) return path;
    if (path.empty()) return currentPath_;
    return currentPath_.empty() ? path : currentPath_ + "\\" + path;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = WithoutLeadingBackslash(key);
    const HKEY base = BaseKey(IsRelative(key));
    HKEY opened = 0;
    const LONG rc = !canCreate || path.empty()
                        ? RegOpenKeyEx(base, path, 0, access_, &opened)
                        : RegCreateKeyEx(base, path, 0, "", REG_OPTION_NON_VOLATILE, access_, &opened, nullptr);
    if (rc != ERROR_SUCCESS) return false;
    ChangeKey(opened, PathOf(key));
    return true;
}

bool TRegistry::OpenReadOnlyWith(const std::string& key, uint32_t access) {
    HKEY opened = 0;
    if (RegOpenKeyEx(BaseKey(IsRelative(key)), WithoutLeadingBackslash(key), 0, access, &opened) != ERROR_SUCCESS) {
        return false;
    }
    access_ = access;
    ChangeKey(opened, PathOf(key));
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    return OpenReadOnlyWith(key, KEY_READ) ||
           OpenReadOnlyWith(key, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS) ||
           OpenReadOnlyWith(key, KEY_QUERY_VALUE);
}

void TRegistry::CloseKey() {
    if (currentKey_ == 0) return;
    if (!lazyWrite_) RegFlushKey(currentKey_);
    RegCloseKey(currentKey_);
    currentKey_ = 0;
    currentPath_.clear();
}

bool TRegistry::CreateKey(const std::string& key) {
    HKEY created = 0;
    if (RegCreateKeyEx(BaseKey(IsRelative(key)), WithoutLeadingBackslash(key), 0, "", REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS, &created, nullptr) != ERROR_SUCCESS) {
        throw ERegistryException("Failed to create key " + key);
    }
    RegCloseKey(created);
    return true;
}

bool TRegistry::DeleteKey(const std::string& key) {
    const bool relative = IsRelative(key);
    const HKEY doomed = GetKey(key);
    if (doomed != 0) {
        // Sub-keys first, each relative to the key being deleted.
        const HKEY oldKey = currentKey_;
        currentKey_ = doomed;
        try {
            for (const auto& name : KeyNames()) DeleteKey(name);
        } catch (...) {
            currentKey_ = oldKey;
            RegCloseKey(doomed);
            throw;
        }
        currentKey_ = oldKey;
        RegCloseKey(doomed);
    }
    return RegDeleteKey(BaseKey(relative), WithoutLeadingBackslash(key)) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const std::string& key) {
    const uint32_t oldAccess = access_;
    access_ = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;
    const HKEY opened = GetKey(key);
    access_ = oldAccess;
    if (opened == 0) return false;
    RegCloseKey(opened);
    return true;
}

bool TRegistry::HasSubKeys() {
    TRegKeyInfo info;
    return GetKeyInfo(info) && info.NumSubKeys > 0;
}

void TRegistry::MoveKey(const std::string& oldName, const std::string& newName, bool deleteOld) {
    if (!KeyExists(oldName) || KeyExists(newName)) return;
    const HKEY source = GetKey(oldName);
    if (source == 0) return;
    HKEY target = 0;
    if (RegCreateKeyEx(BaseKey(IsRelative(newName)), WithoutLeadingBackslash(newName), 0, "", REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS, &target, nullptr) == ERROR_SUCCESS) {
        CopyTree(source, target);
        RegCloseKey(target);
        RegCloseKey(source);
        if (deleteOld) DeleteKey(oldName);
        return;
    }
    RegCloseKey(source);
}

bool TRegistry::ValueExists(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info);
}

bool TRegistry::DeleteValue(const std::string& name) { return RegDeleteValue(currentKey_, name) == ERROR_SUCCESS; }

bool TRegistry::GetKeyInfo(TRegKeyInfo& info) {
    info = TRegKeyInfo{};
    uint32_t subKeys = 0, maxSubKeyLen = 0, values = 0, maxValueLen = 0, maxDataLen = 0;
    if (RegQueryInfoKey(currentKey_, &subKeys, &maxSubKeyLen, &values, &maxValueLen, &maxDataLen) != ERROR_SUCCESS) {
        return false;
    }
    info.NumSubKeys = static_cast<int32_t>(subKeys);
    info.MaxSubKeyLen = static_cast<int32_t>(maxSubKeyLen);
    info.NumValues = static_cast<int32_t>(values);
    info.MaxValueLen = static_cast<int32_t>(maxValueLen);
    info.MaxDataLen = static_cast<int32_t>(maxDataLen);
    return true;
}

std::vector<std::string> TRegistry::KeyNames() {
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; RegEnumKeyEx(currentKey_, i, name) == ERROR_SUCCESS; ++i) names.push_back(name);
    return names;
}

std::vector<std::string> TRegistry::ValueNames() {
    std::vector<std::string> names;
    std::string name;
    for (uint32_t i = 0; RegEnumValue(currentKey_, i, name, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i) {
        names.push_back(name);
    }
    return names;
}

void TRegistry::GetKeyNames(std::vector<std::string>& names) { names = KeyNames(); }

void TRegistry::GetKeyNames(TStrings& strings) {
    strings.Clear();
    for (const auto& name : KeyNames()) strings.Add(name);
}

void TRegistry::GetValueNames(std::vector<std::string>& names) { names = ValueNames(); }

void TRegistry::GetValueNames(TStrings& strings) {
    strings.Clear();
    for (const auto& name : ValueNames()) strings.Add(name);
}

bool TRegistry::GetDataInfo(const std::string& valueName, TRegDataInfo& info) {
    info = TRegDataInfo{};
    uint32_t type = REG_NONE, size = 0;
    if (RegQueryValueEx(currentKey_, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    info.RegData = DataTypeToRegData(type);
    info.DataSize = static_cast<int32_t>(size);
    return true;
}

int32_t TRegistry::GetDataSize(const std::string& valueName) {
    TRegDataInfo info;
    return GetDataInfo(valueName, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const std::string& valueName) {
    TRegDataInfo info;
    return GetDataInfo(valueName, info) ? info.RegData : rdUnknown;
}

int32_t TRegistry::GetData(const std::string& name, void* buffer, int32_t bufSize, TRegDataType& regData) {
    uint32_t type = REG_NONE;
    auto size = static_cast<uint32_t>(bufSize);
    if (RegQueryValueEx(currentKey_, name, nullptr, &type, static_cast<uint8_t*>(buffer), &size) != ERROR_SUCCESS) {
        throw ERegistryException("Failed to get data for '" + name + "'");
    }
    regData = DataTypeToRegData(type);
    return static_cast<int32_t>(size);
}

void TRegistry::PutData(const std::string& name, const void* buffer, int32_t bufSize, TRegDataType regData) {
    if (RegSetValueEx(currentKey_, name, 0, RegDataToDataType(regData), static_cast<const uint8_t*>(buffer),
                      static_cast<uint32_t>(bufSize)) != ERROR_SUCCESS) {
        throw ERegistryException("Failed to set data for '" + name + "'");
    }
}

std::string TRegistry::ReadString(const std::string& name) {
    const int32_t size = GetDataSize(name);
    if (size <= 0) return "";
    std::string result(static_cast<size_t>(size), '\0');
    TRegDataType regData = rdUnknown;
    GetData(name, result.data(), size, regData);
    if (regData != rdString && regData != rdExpandString) ReadError(name);
    result.resize(std::strlen(result.c_str()));
    return result;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    PutData(name, value.c_str(), static_cast<int32_t>(value.size() + 1), rdString);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    PutData(name, value.c_str(), static_cast<int32_t>(value.size() + 1), rdExpandString);
}

int32_t TRegistry::ReadInteger(const std::string& name) {
    int32_t result = 0;
    TRegDataType regData = rdUnknown;
    GetData(name, &result, sizeof result, regData);
    if (regData != rdInteger) ReadError(name);
    return result;
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) { PutData(name, &value, sizeof value, rdInteger); }

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

double TRegistry::ReadFloat(const std::string& name) {
    double result = 0;
    TRegDataType regData = rdUnknown;
    const int32_t size = GetData(name, &result, sizeof result, regData);
    if (regData != rdBinary || size != static_cast<int32_t>(sizeof result)) ReadError(name);
    return result;
}

void TRegistry::WriteFloat(const std::string& name, double value) { PutData(name, &value, sizeof value, rdBinary); }

TDateTime TRegistry::ReadDateTime(const std::string& name) { return ReadFloat(name); }

void TRegistry::WriteDateTime(const std::string& name, TDateTime value) { WriteFloat(name, value); }

int32_t TRegistry::ReadBinaryData(const std::string& name, void* buffer, int32_t bufSize) {
    TRegDataInfo info;
    if (!GetDataInfo(name, info)) return 0;
    if ((info.RegData != rdBinary && info.RegData != rdUnknown) || info.DataSize > bufSize) ReadError(name);
    TRegDataType regData = rdUnknown;
    return GetData(name, buffer, info.DataSize, regData);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int32_t bufSize) {
    PutData(name, buffer, bufSize, rdBinary);
}
