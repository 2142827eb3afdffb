#pragma once
// Root keys and key paths: the names of the predefined keys, where each one
// lives in the store, and the walk along a "\"-separated key path.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/registry/registry.h"
#include "win32/registry/registry_store.h"

namespace win32::registry_paths {

// The predefined key named by its full name ("HKEY_LOCAL_MACHINE") or its
// usual abbreviation ("HKLM", "HKCU", "HKCR", "HKU", "HKCC", "HKDD"),
// without regard to case.
std::optional<HKEY> RootFromName(std::string_view name);
// The full name of a predefined key ("" for any other handle value).
std::string RootName(HKEY root);
bool IsPredefined(HKEY key);

// The store id of a predefined key: the hives are stored keys of their
// own; HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\SOFTWARE\Classes and
// HKEY_CURRENT_USER is HKEY_USERS\<current user key>, both created when
// missing. Nothing for HKEY_PERFORMANCE_DATA and non-predefined values.
std::optional<int64_t> RootKeyId(RegistryStore& store, HKEY root);

// Splits a sub-key path into names: ERROR_BAD_PATHNAME for a leading "\"
// or an empty name inside it, ERROR_INVALID_PARAMETER for a name longer
// than 255 characters; a trailing "\" is ignored. An empty path is no name.
LONG SplitKeyPath(std::string_view path, std::vector<std::string>& names);

// The key reached from `from` along `names`, if every key on the way
// exists.
std::optional<int64_t> FindKey(RegistryStore& store, int64_t from, const std::vector<std::string>& names);

// The same walk, creating (non-volatile) the keys that are missing, without
// any access checks; returns the last key.
int64_t CreateKeyPath(RegistryStore& store, int64_t from, const std::vector<std::string>& names);

}  // namespace win32::registry_paths
