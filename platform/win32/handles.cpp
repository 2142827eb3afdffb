#include "win32/handles.h"

#include <map>
#include <mutex>

#include "win32/errors.h"

namespace win32 {

namespace {
struct Table {
    std::mutex mutex;
    std::map<uintptr_t, std::unique_ptr<KernelObject>> objects;
    uintptr_t next = 1;
};
Table& Handles() {
    static Table table;
    return table;
}
uintptr_t Key(HANDLE handle) { return reinterpret_cast<uintptr_t>(handle); }
}  // namespace

HANDLE AddHandle(std::unique_ptr<KernelObject> object) {
    Table& table = Handles();
    std::lock_guard lock(table.mutex);
    // Handles are multiples of four, as Windows makes them.
    const uintptr_t key = 4 * table.next++;
    table.objects[key] = std::move(object);
    return reinterpret_cast<HANDLE>(key);
}

KernelObject* LookupHandle(HANDLE handle) {
    Table& table = Handles();
    std::lock_guard lock(table.mutex);
    const auto it = table.objects.find(Key(handle));
    return it == table.objects.end() ? nullptr : it->second.get();
}

bool CloseHandle(HANDLE handle) {
    std::unique_ptr<KernelObject> object;
    {
        Table& table = Handles();
        std::lock_guard lock(table.mutex);
        const auto it = table.objects.find(Key(handle));
        if (it == table.objects.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return false;
        }
        object = std::move(it->second);
        table.objects.erase(it);
    }
    object.reset();  // outside the table lock: closing may take the machine lock
    return true;
}

}  // namespace win32
