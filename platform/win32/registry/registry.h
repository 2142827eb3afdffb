#pragma once
// The registry of the simulated machine as the advapi32 Reg* calls see it.
//
// The registry lives in one SQLite file (the machine folder's "registry.db",
// see registry_store.h). The calls below work on the process's current
// registry, which the machine opens for its folder with
// OpenMachineRegistry; without one every call returns ERROR_CANTOPEN.
//
// Like Windows, every Reg* call returns its error code (ERROR_SUCCESS when
// it worked) and leaves the thread's last error alone.
//
// Roots. The stored hives are HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_CURRENT_CONFIG and HKEY_DYN_DATA. HKEY_CLASSES_ROOT is
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes and HKEY_CURRENT_USER is
// HKEY_USERS\<current user key> (the user's security identifier on the NT
// family, ".DEFAULT" on the 9x family; the store records which), both
// created when missing. Predefined handles need not be opened or closed.
//
// Names. Key and value names compare without regard to case and keep the
// case they were created with. A sub-key path is a list of names separated
// by "\"; a leading "\" or an empty name inside it is ERROR_BAD_PATHNAME, a
// trailing "\" is ignored. Key names are at most 255 characters and value
// names at most 16383 (ERROR_INVALID_PARAMETER beyond).
//
// Order. RegEnumKeyEx lists sub-keys alphabetically without regard to case
// on the NT family and in the order they were created on the 9x family;
// RegEnumValue lists values in the order they were created on both.
//
// Access. A handle carries the rights it was opened with: reading values
// and RegQueryInfoKey need KEY_QUERY_VALUE, enumerating sub-keys
// KEY_ENUMERATE_SUB_KEYS, setting and deleting values KEY_SET_VALUE,
// creating a sub-key through it KEY_CREATE_SUB_KEY; otherwise the call
// returns ERROR_ACCESS_DENIED. A key that the store marks read-only for the
// user (RegistrySetKeyReadOnly) refuses any write right, and its values,
// sub-keys and deletion, with ERROR_ACCESS_DENIED.
//
// Durability. Every change that returns ERROR_SUCCESS is on disk when the
// call returns; other processes of the machine see it on their next call.
// RegFlushKey therefore has nothing left to do.

#include <cstdint>
#include <string>

#include "win32/access_rights.h"
#include "win32/errors.h"

namespace win32 {

using LONG = int32_t;
using HKEY = uint32_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;
inline constexpr HKEY HKEY_DYN_DATA = 0x80000006;

// Access rights.
enum : uint32_t {
    KEY_QUERY_VALUE = 0x0001,
    KEY_SET_VALUE = 0x0002,
    KEY_CREATE_SUB_KEY = 0x0004,
    KEY_ENUMERATE_SUB_KEYS = 0x0008,
    KEY_NOTIFY = 0x0010,
    KEY_CREATE_LINK = 0x0020,
    MAXIMUM_ALLOWED = 0x02000000,
    KEY_READ = (STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY) & ~SYNCHRONIZE,
    KEY_WRITE = (STANDARD_RIGHTS_WRITE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY) & ~SYNCHRONIZE,
    KEY_EXECUTE = KEY_READ,
    KEY_ALL_ACCESS = (STANDARD_RIGHTS_ALL | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                      KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK) &
                     ~SYNCHRONIZE,
};

// Value types.
enum : uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_DWORD_BIG_ENDIAN = 5,
    REG_LINK = 6,
    REG_MULTI_SZ = 7,
    REG_QWORD = 11,
};

// RegCreateKeyEx options and dispositions. Volatile keys are kept until
// the machine restarts (RegistryStore::DeleteVolatileKeys); keys created
// below a volatile key must be volatile too (ERROR_CHILD_MUST_BE_VOLATILE).
enum : uint32_t {
    REG_OPTION_NON_VOLATILE = 0,
    REG_OPTION_VOLATILE = 1,
    REG_CREATED_NEW_KEY = 1,
    REG_OPENED_EXISTING_KEY = 2,
};

// The Windows family decides how RegDeleteKey and RegEnumKeyEx behave.
enum class RegistryFamily { NT, Win9x };

// Opens "registry.db" in the machine folder `hostFolder` (creating an empty
// registry when it is missing) as the process's current registry, closing
// the one open before and every handle opened on it. Throws
// std::runtime_error when the file cannot be opened as a registry.
void OpenMachineRegistry(const std::string& hostFolder);
// The same for a registry file at any host path.
void OpenRegistryFile(const std::string& hostPath);
// Closes the current registry and its handles; the Reg* calls then return
// ERROR_CANTOPEN until a registry is opened again.
void CloseMachineRegistry();
bool MachineRegistryIsOpen();

// The family of the current registry (stored in it, NT for a new one).
RegistryFamily GetRegistryFamily();
void SetRegistryFamily(RegistryFamily family);

// Marks the key `subKey` of `root`, and every key below it, readable but
// not writable for the user (or clears the mark). A tool for the machine
// and for tests; returns ERROR_FILE_NOT_FOUND for a missing key.
LONG RegistrySetKeyReadOnly(HKEY root, const std::string& subKey, bool readOnly);

LONG RegOpenKeyEx(HKEY hKey, const std::string& subKey, uint32_t options, uint32_t samDesired, HKEY* result);
// Opens with the most rights the key allows (KEY_ALL_ACCESS, or KEY_READ
// for a read-only key). An empty `subKey` gives back `hKey` itself.
LONG RegOpenKey(HKEY hKey, const std::string& subKey, HKEY* result);
// `className` and security attributes of the real call are not kept.
// `disposition` may be null.
LONG RegCreateKeyEx(HKEY hKey, const std::string& subKey, uint32_t reserved, const std::string& className,
                    uint32_t options, uint32_t samDesired, HKEY* result, uint32_t* disposition);
// RegCreateKeyEx with KEY_ALL_ACCESS; an empty `subKey` gives back `hKey`.
LONG RegCreateKey(HKEY hKey, const std::string& subKey, HKEY* result);
LONG RegCloseKey(HKEY hKey);
LONG RegFlushKey(HKEY hKey);

// Reads a value (empty name: the key's default value). `reserved` must be
// null. With `data` null only the type and size are returned; with a buffer
// smaller than the data the call returns ERROR_MORE_DATA and sets *cbData
// to the size needed. A missing value is ERROR_FILE_NOT_FOUND.
LONG RegQueryValueEx(HKEY hKey, const std::string& valueName, uint32_t* reserved, uint32_t* type, uint8_t* data,
                     uint32_t* cbData);
// Stores `cbData` bytes as they are (string types should include their
// terminating zero, as with Windows).
LONG RegSetValueEx(HKEY hKey, const std::string& valueName, uint32_t reserved, uint32_t type, const uint8_t* data,
                   uint32_t cbData);
LONG RegDeleteValue(HKEY hKey, const std::string& valueName);

// Deletes the key `subKey` (empty: the key of `hKey` itself). On the NT
// family a key that has sub-keys is refused with ERROR_ACCESS_DENIED; on the
// 9x family the whole subtree goes. Predefined keys cannot be deleted.
LONG RegDeleteKey(HKEY hKey, const std::string& subKey);

// The name of the sub-key at `index` (ERROR_NO_MORE_ITEMS past the end).
LONG RegEnumKeyEx(HKEY hKey, uint32_t index, std::string& name);
// The value at `index`: its name, and its type and data as RegQueryValueEx
// gives them (each of type, data and cbData may be null).
LONG RegEnumValue(HKEY hKey, uint32_t index, std::string& name, uint32_t* type, uint8_t* data, uint32_t* cbData);
// Counts and the longest sub-key name, value name and value data, in
// characters and bytes without terminating zeros. Any pointer may be null.
LONG RegQueryInfoKey(HKEY hKey, uint32_t* subKeys, uint32_t* maxSubKeyLen, uint32_t* values,
                     uint32_t* maxValueNameLen, uint32_t* maxValueLen);

// The default value of `subKey` (empty: of hKey itself) as a string; an
// existing key without one gives "" and ERROR_SUCCESS, as Windows does.
LONG RegQueryValue(HKEY hKey, const std::string& subKey, std::string& value);
// Creates `subKey` when needed and sets its default value; `type` must be
// REG_SZ.
LONG RegSetValue(HKEY hKey, const std::string& subKey, uint32_t type, const std::string& value);

}  // namespace win32
