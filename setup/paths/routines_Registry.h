#pragma once
// Registry routines of the setup program.
//
// Key texts: one that begins with "\" is absolute (from the accessor's root
// key); any other is relative to the accessor's open key, else to the root.
//
// Reads never raise: a missing key or value, or a key the user may read but
// not write, gives the default. Writes raise EIRCannotWriteValue.

#include <cstdint>
#include <string>

#include "paths/cmp_TQrvlRegistry.h"
#include "vcl/system/exception.h"
#include "win32/registry/registry.h"

enum TRootKeys { hkClassesRoot, hkCurrentConfig, hkCurrentUser, hkDynData, hkLocalMachine, hkUsers };

win32::HKEY RootKeyToHandle(TRootKeys root);
// The TRootKeys of a predefined handle, `defaultRoot` for any other.
TRootKeys HandleToRootKey(win32::HKEY handle, TRootKeys defaultRoot);

// A failed registry write (not translated).
class EIRCannotWriteValue : public Exception {
public:
    using Exception::Exception;
};

// The key opens for reading (and is closed again).
bool RegistryKeyExists(TqrvlRegistry& registry, const std::string& key);
// Opens `key` for reading values, setting values and creating sub-keys,
// creating it when `create` is set and it is missing; the opened key
// becomes the accessor's current key. No read-only fallback.
bool OpenRegistryKey(TqrvlRegistry& registry, const std::string& key, bool create);
// Deletes `key` and everything below it, depth first; whether the final
// deletion worked.
bool DeleteKeyTree(TqrvlRegistry& registry, const std::string& key);

std::string ReadRegistryString(TRootKeys root, const std::string& key, const std::string& name,
                               const std::string& defaultValue);
int32_t ReadRegistryInteger(TRootKeys root, const std::string& key, const std::string& name, int32_t defaultValue);
// EIRCannotWriteValue "Cannot install into registry. Key: %s Ident: %s
// Value %s".
void WriteRegistryString(TRootKeys root, const std::string& key, const std::string& name, const std::string& value);
// EIRCannotWriteValue with the key text.
void WriteRegistryInteger(TRootKeys root, const std::string& key, const std::string& name, int32_t value);
// Deletes `key` with all it holds; every error is ignored.
void DeleteRegistryTree(TRootKeys root, const std::string& key);

// Writes `command` under RunOnce (HKEY_CURRENT_USER on the NT family,
// HKEY_LOCAL_MACHINE otherwise) as `name`, or with `unique` as `name`
// followed by the first number that no value there has yet. False when
// the key cannot be opened or the value cannot be written.
bool RegisterRunOnce(const std::string& name, const std::string& command, bool unique);
