#pragma once
// TRegistry: the class library's access to the registry, over the Reg*
// calls of our Windows (win32/registry/registry.h).
//
// A TRegistry has a root key (HKEY_CURRENT_USER unless set) and at most one
// open key, CurrentKey, whose path from the root is CurrentPath. Key texts
// that begin with "\" are absolute (from RootKey, the "\" dropped); any
// other text is relative to the open key when one is open, else to RootKey.
//
// Behaviour kept as the class library has it, surprising as some of it is:
// - OpenKey, OpenKeyReadOnly, KeyExists, DeleteValue and the like report
//   failure by their result; reading and writing values raise
//   ERegistryException; CreateKey raises "Failed to create key %s".
// - ReadString of a missing (or empty) value returns "" rather than
//   raising; of a value that is not a string type it raises "Invalid data
//   type for '%s'". ReadInteger, ReadBool, ReadFloat and ReadDateTime of a
//   missing value raise "Failed to get data for '%s'". ReadBinaryData of a
//   missing value returns 0.
// - OpenKeyReadOnly leaves Access at KEY_READ (or the weaker mask that
//   worked), so a later OpenKey opens for reading only until Access is set
//   again.
// - Setting RootKey closes the open key.
// - DeleteKey deletes the key with all its sub-keys, on every Windows
//   family. CloseKey flushes the key first unless LazyWrite is on (the
//   default); our registry stores every change at once either way.
// - Booleans are stored as REG_DWORD 0/1; floats and dates as the 8 bytes
//   of a double in a REG_BINARY value.
// - Without an open key, value calls act on no key: reads of strings give
//   "", other reads and all writes raise.
// Write failures raise "Failed to set data for '%s'".

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/system/exception.h"
#include "vcl/system/object.h"
#include "win32/registry/registry.h"

class TStrings;

using TDateTime = double;

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
    TRegDataType RegData = rdUnknown;
    int32_t DataSize = 0;
};

struct TRegKeyInfo {
    int32_t NumSubKeys = 0;
    int32_t MaxSubKeyLen = 0;
    int32_t NumValues = 0;
    int32_t MaxValueLen = 0;
    int32_t MaxDataLen = 0;
};

class TRegistry : public TObject {
public:
    TRegistry();
    explicit TRegistry(uint32_t access);
    ~TRegistry() override;
    std::string ClassName() const override { return "TRegistry"; }

    win32::HKEY RootKey() const { return rootKey_; }
    void SetRootKey(win32::HKEY rootKey);
    win32::HKEY CurrentKey() const { return currentKey_; }
    const std::string& CurrentPath() const { return currentPath_; }
    uint32_t Access() const { return access_; }
    void SetAccess(uint32_t access) { access_ = access; }
    bool LazyWrite() const { return lazyWrite_; }
    void SetLazyWrite(bool lazyWrite) { lazyWrite_ = lazyWrite; }

    // Opens `key` with Access, creating it (with all its parents) when
    // `canCreate` is true and `key` is not empty; the opened key becomes the
    // current key. An empty key reopens the base (the current key, else
    // RootKey).
    bool OpenKey(const std::string& key, bool canCreate);
    // Opens `key` for reading: KEY_READ, else read rights without
    // KEY_NOTIFY, else KEY_QUERY_VALUE; Access keeps the mask that worked.
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    // Creates `key` (relative or absolute) without opening it.
    bool CreateKey(const std::string& key);
    bool DeleteKey(const std::string& key);
    bool KeyExists(const std::string& key);
    bool HasSubKeys();
    // Copies `oldName` with its values and sub-keys to `newName` (both
    // relative to the base), then deletes `oldName` when `deleteOld` is set.
    // Nothing happens when `oldName` is missing or `newName` exists.
    void MoveKey(const std::string& oldName, const std::string& newName, bool deleteOld);

    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);
    void GetKeyNames(TStrings& strings);
    void GetKeyNames(std::vector<std::string>& names);
    void GetValueNames(TStrings& strings);
    void GetValueNames(std::vector<std::string>& names);
    bool GetKeyInfo(TRegKeyInfo& info);
    bool GetDataInfo(const std::string& valueName, TRegDataInfo& info);
    // The value's size in bytes, -1 when it is missing.
    int32_t GetDataSize(const std::string& valueName);
    TRegDataType GetDataType(const std::string& valueName);

    std::string ReadString(const std::string& name);
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    int32_t ReadInteger(const std::string& name);
    void WriteInteger(const std::string& name, int32_t value);
    bool ReadBool(const std::string& name);
    void WriteBool(const std::string& name, bool value);
    double ReadFloat(const std::string& name);
    void WriteFloat(const std::string& name, double value);
    TDateTime ReadDateTime(const std::string& name);
    void WriteDateTime(const std::string& name, TDateTime value);
    // Reads a REG_BINARY (or unknown-typed) value into `buffer` and returns
    // its size; a value larger than `bufSize` or of another type raises
    // "Invalid data type for '%s'".
    int32_t ReadBinaryData(const std::string& name, void* buffer, int32_t bufSize);
    void WriteBinaryData(const std::string& name, const void* buffer, int32_t bufSize);

private:
    win32::HKEY BaseKey(bool relative) const;
    // Opens `key` with Access; 0 when that fails.
    win32::HKEY GetKey(const std::string& key);
    void ChangeKey(win32::HKEY key, const std::string& path);
    // The path of an opened key text, as CurrentPath records it.
    std::string PathOf(const std::string& key) const;
    int32_t GetData(const std::string& name, void* buffer, int32_t bufSize, TRegDataType& regData);
    void PutData(const std::string& name, const void* buffer, int32_t bufSize, TRegDataType regData);
    bool OpenReadOnlyWith(const std::string& key, uint32_t access);
    std::vector<std::string> KeyNames();
    std::vector<std::string> ValueNames();

    win32::HKEY rootKey_ = win32::HKEY_CURRENT_USER;
    win32::HKEY currentKey_ = 0;
    std::string currentPath_;
    uint32_t access_ = win32::KEY_ALL_ACCESS;
    bool lazyWrite_ = true;
};
