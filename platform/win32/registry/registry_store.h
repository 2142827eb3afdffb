#pragma once
// The registry's database: one SQLite file holding keys, values and the few
// settings of the registry itself.
//
// Keys form a tree under the stored hives (HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_CURRENT_CONFIG, HKEY_DYN_DATA); each key has a numeric id. Names are
// stored as given and found by their folded form (registry_names.h).
//
// Every change runs in its own transaction (or inside the caller's
// Transaction) in write-ahead-log mode with full synchronisation, so a
// completed change survives the process being killed. Several processes may
// open the same file: a busy database is waited for (up to 30 seconds)
// before a call gives up with ERROR_CANTWRITE or ERROR_CANTREAD.
//
// Errors are thrown as RegistryStoreError carrying the Windows error code
// the calling Reg* function returns.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/registry/registry.h"

struct sqlite3;

namespace win32 {

class RegistryStoreError : public std::runtime_error {
public:
    RegistryStoreError(LONG code, const std::string& message) : std::runtime_error(message), code_(code) {}
    LONG Code() const { return code_; }

private:
    LONG code_;
};

struct RegistryValue {
    std::string name;
    uint32_t type = REG_NONE;
    std::string data;  // the bytes as stored
};

struct RegistryKeyEntry {
    int64_t id = 0;
    std::string name;
};

class RegistryStore {
public:
    // Opens (or creates) the database at the host path `path`.
    explicit RegistryStore(const std::string& path);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Settings kept in the database.
    RegistryFamily Family();
    void SetFamily(RegistryFamily family);
    // The key under HKEY_USERS that HKEY_CURRENT_USER stands for.
    std::string CurrentUserKey();
    void SetCurrentUserKey(const std::string& name);

    // The id of a stored hive ("HKEY_LOCAL_MACHINE", ...), created when
    // missing.
    int64_t HiveId(const std::string& hiveName);
    // The stored hive names, in the order they were created.
    std::vector<RegistryKeyEntry> Hives();

    bool KeyExists(int64_t key);
    std::optional<int64_t> FindSubKey(int64_t parent, const std::string& name);
    // Creates the sub-key (which must not exist) and returns its id.
    int64_t CreateSubKey(int64_t parent, const std::string& name, bool isVolatile);
    // Sub-keys in the family's listing order.
    std::vector<RegistryKeyEntry> SubKeys(int64_t key);
    int64_t SubKeyCount(int64_t key);
    std::string KeyName(int64_t key);
    std::optional<int64_t> ParentOf(int64_t key);
    bool IsReadOnly(int64_t key);
    bool IsVolatile(int64_t key);
    // True when the key or any key below it is read-only.
    bool TreeHasReadOnlyKey(int64_t key);
    // Sets or clears the read-only mark of the key and all keys below it.
    void SetReadOnly(int64_t key, bool readOnly);
    // Deletes the key with all its sub-keys and values.
    void DeleteTree(int64_t key);
    // Deletes every key created as volatile (what a restart does).
    void DeleteVolatileKeys();

    // Values in the order they were created.
    std::vector<RegistryValue> Values(int64_t key);
    std::optional<RegistryValue> FindValue(int64_t key, const std::string& name);
    // Replaces the value's type and data, keeping its place and the case of
    // its name; a new value goes last.
    void SetValue(int64_t key, const std::string& name, uint32_t type, const std::string& data);
    bool DeleteValue(int64_t key, const std::string& name);

    // Groups changes into one transaction: all of them are stored when the
    // outermost Transaction commits, none when it is destroyed uncommitted.
    class Transaction {
    public:
        explicit Transaction(RegistryStore& store);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void Commit();

    private:
        RegistryStore& store_;
        bool outermost_;
        bool done_ = false;
    };

private:
    friend class Transaction;
    class Statement;

    void Execute(const std::string& sql);
    void CreateSchema();
    std::string Setting(const std::string& name, const std::string& fallback);
    void SetSetting(const std::string& name, const std::string& value);
    [[noreturn]] void Fail(LONG code, const std::string& what);

    sqlite3* db_ = nullptr;
    int transactionDepth_ = 0;
};

// The process's current registry, opened by OpenMachineRegistry or
// OpenRegistryFile (registry.h); throws RegistryStoreError with
// ERROR_CANTOPEN when none is open.
RegistryStore& CurrentRegistryStore();

}  // namespace win32
