#pragma once
// Peak resident memory of this process, for checking that the archive
// engine's memory does not grow with the size of the files it handles.

#include <cstdint>
#include <functional>

namespace archivetest {

// KiB by which `work` raised the process's peak resident size above its
// resident size before it (Linux's VmHWM, reset through
// /proc/self/clear_refs); -1 when the peak cannot be reset or read.
int64_t PeakGrowthKiB(const std::function<void()>& work);

}  // namespace archivetest
