#include "win32/registry/registry_store.h"

#include <sqlite3.h>

#include "win32/registry/registry_names.h"

namespace win32 {

namespace {

constexpr int kBusyTimeoutMs = 30000;

// Hives have no parent key; their parent column holds this id, which no key
// has.
constexpr int64_t kNoParent = 0;

std::string FamilyText(RegistryFamily family) { return family == RegistryFamily::Win9x ? "9x" : "NT"; }

}  // namespace

// One prepared statement; step errors become RegistryStoreError.
class RegistryStore::Statement {
public:
    Statement(RegistryStore& store, const char* sql) : store_(store) {
        if (sqlite3_prepare_v2(store.db_, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            store.Fail(ERROR_BADDB, sql);
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, int64_t value) {
        sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }
    Statement& BindText(int index, const std::string& value) {
        sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& BindBlob(int index, const std::string& value) {
        // A zero-length blob must still be a blob, not NULL.
        sqlite3_bind_blob(stmt_, index, value.empty() ? "" : value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }

    // True while a row is available.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        const bool writes = !sqlite3_stmt_readonly(stmt_);
        const int primary = rc & 0xFF;
        LONG code = writes ? ERROR_CANTWRITE : ERROR_CANTREAD;
        if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) code = ERROR_BADDB;
        store_.Fail(code, sqlite3_sql(stmt_));
    }
    void Run() {
        while (Step()) {
        }
    }

    int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string Bytes(int column) const {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        return data ? std::string(static_cast<const char*>(data), size) : std::string();
    }

private:
    RegistryStore& store_;
    sqlite3_stmt* stmt_ = nullptr;
};

RegistryStore::RegistryStore(const std::string& path) {
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw RegistryStoreError(ERROR_CANTOPEN, "Cannot open the registry " + path + ": " + reason);
    }
    try {
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        Execute("PRAGMA journal_mode=WAL");
        Execute("PRAGMA synchronous=FULL");
        CreateSchema();
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

RegistryStore::~RegistryStore() { sqlite3_close(db_); }

void RegistryStore::Fail(LONG code, const std::string& what) {
    throw RegistryStoreError(code, std::string("Registry database error (") + sqlite3_errmsg(db_) + ") in: " + what);
}

void RegistryStore::Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : "unknown error";
        sqlite3_free(error);
        const int primary = sqlite3_errcode(db_) & 0xFF;
        const LONG code = (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) ? ERROR_BADDB : ERROR_CANTWRITE;
        throw RegistryStoreError(code, "Registry database error (" + reason + ") in: " + sql);
    }
}

void RegistryStore::CreateSchema() {
    Transaction transaction(*this);
    Execute(
        "CREATE TABLE IF NOT EXISTS settings(name TEXT PRIMARY KEY, value TEXT NOT NULL);"
        "CREATE TABLE IF NOT EXISTS keys("
        "  id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name BLOB NOT NULL, fold TEXT NOT NULL,"
        "  read_only INTEGER NOT NULL DEFAULT 0, volatile INTEGER NOT NULL DEFAULT 0);"
        "CREATE UNIQUE INDEX IF NOT EXISTS keys_by_name ON keys(parent, fold);"
        "CREATE TABLE IF NOT EXISTS key_values("
        "  id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL, fold TEXT NOT NULL,"
        "  type INTEGER NOT NULL, data BLOB NOT NULL);"
        "CREATE UNIQUE INDEX IF NOT EXISTS values_by_name ON key_values(key, fold);");
    transaction.Commit();
}

std::string RegistryStore::Setting(const std::string& name, const std::string& fallback) {
    Statement query(*this, "SELECT value FROM settings WHERE name = ?1");
    query.BindText(1, name);
    return query.Step() ? query.Bytes(0) : fallback;
}

void RegistryStore::SetSetting(const std::string& name, const std::string& value) {
    Transaction transaction(*this);
    Statement(*this, "INSERT OR REPLACE INTO settings(name, value) VALUES(?1, ?2)").BindText(1, name).BindText(2, value).Run();
    transaction.Commit();
}

RegistryFamily RegistryStore::Family() {
    return Setting("family", FamilyText(RegistryFamily::NT)) == FamilyText(RegistryFamily::Win9x)
               ? RegistryFamily::Win9x
               : RegistryFamily::NT;
}

void RegistryStore::SetFamily(RegistryFamily family) { SetSetting("family", FamilyText(family)); }

std::string RegistryStore::CurrentUserKey() { return Setting("current_user", ".DEFAULT"); }

void RegistryStore::SetCurrentUserKey(const std::string& name) { SetSetting("current_user", name); }

int64_t RegistryStore::HiveId(const std::string& hiveName) {
    if (const auto id = FindSubKey(kNoParent, hiveName)) return *id;
    return CreateSubKey(kNoParent, hiveName, false);
}

std::vector<RegistryKeyEntry> RegistryStore::Hives() {
    std::vector<RegistryKeyEntry> hives;
    Statement query(*this, "SELECT id, name FROM keys WHERE parent = ?1 ORDER BY id");
    query.Bind(1, kNoParent);
    while (query.Step()) hives.push_back({query.Int(0), query.Bytes(1)});
    return hives;
}

bool RegistryStore::KeyExists(int64_t key) {
    Statement query(*this, "SELECT 1 FROM keys WHERE id = ?1");
    return query.Bind(1, key).Step();
}

std::optional<int64_t> RegistryStore::FindSubKey(int64_t parent, const std::string& name) {
    Statement query(*this, "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
    query.Bind(1, parent).BindText(2, registry_names::FoldName(name));
    if (query.Step()) return query.Int(0);
    return std::nullopt;
}

int64_t RegistryStore::CreateSubKey(int64_t parent, const std::string& name, bool isVolatile) {
    Transaction transaction(*this);
    Statement(*this, "INSERT INTO keys(parent, name, fold, volatile) VALUES(?1, ?2, ?3, ?4)")
        .Bind(1, parent)
        .BindBlob(2, name)
        .BindText(3, registry_names::FoldName(name))
        .Bind(4, isVolatile ? 1 : 0)
        .Run();
    const int64_t id = sqlite3_last_insert_rowid(db_);
    transaction.Commit();
    return id;
}

std::vector<RegistryKeyEntry> RegistryStore::SubKeys(int64_t key) {
    const char* sql = Family() == RegistryFamily::NT ? "SELECT id, name FROM keys WHERE parent = ?1 ORDER BY fold"
                                                     : "SELECT id, name FROM keys WHERE parent = ?1 ORDER BY id";
    std::vector<RegistryKeyEntry> keys;
    Statement query(*this, sql);
    query.Bind(1, key);
    while (query.Step()) keys.push_back({query.Int(0), query.Bytes(1)});
    return keys;
}

int64_t RegistryStore::SubKeyCount(int64_t key) {
    Statement query(*this, "SELECT count(*) FROM keys WHERE parent = ?1");
    query.Bind(1, key).Step();
    return query.Int(0);
}

std::string RegistryStore::KeyName(int64_t key) {
    Statement query(*this, "SELECT name FROM keys WHERE id = ?1");
    return query.Bind(1, key).Step() ? query.Bytes(0) : std::string();
}

std::optional<int64_t> RegistryStore::ParentOf(int64_t key) {
    Statement query(*this, "SELECT parent FROM keys WHERE id = ?1");
    if (!query.Bind(1, key).Step() || query.Int(0) == kNoParent) return std::nullopt;
    return query.Int(0);
}

bool RegistryStore::IsReadOnly(int64_t key) {
    Statement query(*this, "SELECT read_only FROM keys WHERE id = ?1");
    return query.Bind(1, key).Step() && query.Int(0) != 0;
}

bool RegistryStore::IsVolatile(int64_t key) {
    Statement query(*this, "SELECT volatile FROM keys WHERE id = ?1");
    return query.Bind(1, key).Step() && query.Int(0) != 0;
}

bool RegistryStore::TreeHasReadOnlyKey(int64_t key) {
    Statement query(*this,
                    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
                    "SELECT 1 FROM keys WHERE id IN tree AND read_only <> 0 LIMIT 1");
    return query.Bind(1, key).Step();
}

void RegistryStore::SetReadOnly(int64_t key, bool readOnly) {
    Transaction transaction(*this);
    Statement(*this,
              "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
              "UPDATE keys SET read_only = ?2 WHERE id IN tree")
        .Bind(1, key)
        .Bind(2, readOnly ? 1 : 0)
        .Run();
    transaction.Commit();
}

void RegistryStore::DeleteTree(int64_t key) {
    Transaction transaction(*this);
    Statement(*this,
              "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
              "DELETE FROM key_values WHERE key IN tree")
        .Bind(1, key)
        .Run();
    Statement(*this,
              "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
              "DELETE FROM keys WHERE id IN tree")
        .Bind(1, key)
        .Run();
    transaction.Commit();
}

void RegistryStore::DeleteVolatileKeys() {
    Transaction transaction(*this);
    std::vector<int64_t> volatileKeys;
    {
        Statement query(*this, "SELECT id FROM keys WHERE volatile <> 0");
        while (query.Step()) volatileKeys.push_back(query.Int(0));
    }
    for (const int64_t key : volatileKeys) DeleteTree(key);
    transaction.Commit();
}

std::vector<RegistryValue> RegistryStore::Values(int64_t key) {
    std::vector<RegistryValue> values;
    Statement query(*this, "SELECT name, type, data FROM key_values WHERE key = ?1 ORDER BY id");
    query.Bind(1, key);
    while (query.Step()) values.push_back({query.Bytes(0), static_cast<uint32_t>(query.Int(1)), query.Bytes(2)});
    return values;
}

std::optional<RegistryValue> RegistryStore::FindValue(int64_t key, const std::string& name) {
    Statement query(*this, "SELECT name, type, data FROM key_values WHERE key = ?1 AND fold = ?2");
    query.Bind(1, key).BindText(2, registry_names::FoldName(name));
    if (!query.Step()) return std::nullopt;
    return RegistryValue{query.Bytes(0), static_cast<uint32_t>(query.Int(1)), query.Bytes(2)};
}

void RegistryStore::SetValue(int64_t key, const std::string& name, uint32_t type, const std::string& data) {
    Transaction transaction(*this);
    Statement(*this,
              "INSERT INTO key_values(key, name, fold, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
              "ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data")
        .Bind(1, key)
        .BindBlob(2, name)
        .BindText(3, registry_names::FoldName(name))
        .Bind(4, type)
        .BindBlob(5, data)
        .Run();
    transaction.Commit();
}

bool RegistryStore::DeleteValue(int64_t key, const std::string& name) {
    Transaction transaction(*this);
    Statement(*this, "DELETE FROM key_values WHERE key = ?1 AND fold = ?2")
        .Bind(1, key)
        .BindText(2, registry_names::FoldName(name))
        .Run();
    const bool deleted = sqlite3_changes(db_) > 0;
    transaction.Commit();
    return deleted;
}

RegistryStore::Transaction::Transaction(RegistryStore& store) : store_(store), outermost_(store.transactionDepth_ == 0) {
    store_.Execute(outermost_ ? "BEGIN IMMEDIATE" : "SAVEPOINT inner_change");
    ++store_.transactionDepth_;
}

RegistryStore::Transaction::~Transaction() {
    if (done_) return;
    --store_.transactionDepth_;
    try {
        store_.Execute(outermost_ ? "ROLLBACK" : "ROLLBACK TO inner_change; RELEASE inner_change");
    } catch (const RegistryStoreError&) {
        // Nothing more can be undone; the database discards an unfinished
        // transaction itself.
    }
}

void RegistryStore::Transaction::Commit() {
    store_.Execute(outermost_ ? "COMMIT" : "RELEASE inner_change");
    --store_.transactionDepth_;
    done_ = true;
}

}  // namespace win32
