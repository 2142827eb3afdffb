#pragma once
// Kernel handles: the open files, searches and (later) other objects of the
// process, each behind an opaque HANDLE that CloseHandle frees.

#include <cstdint>
#include <memory>

namespace win32 {

using HANDLE = void*;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

// The object behind a handle; each kind derives from it.
class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// Registers `object` and returns its new handle.
HANDLE AddHandle(std::unique_ptr<KernelObject> object);
// The object of `handle` when it is of kind T, else null.
KernelObject* LookupHandle(HANDLE handle);
template <class T>
T* HandleObject(HANDLE handle) {
    return dynamic_cast<T*>(LookupHandle(handle));
}
// Frees the object of `handle`; ERROR_INVALID_HANDLE for an unknown handle.
bool CloseHandle(HANDLE handle);

}  // namespace win32
