#include "build/BuildTextFile.h"

#include "vcl/files/inout_error.h"
#include "win32/errors.h"
#include "win32/files.h"

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

TBuildTextFile::TBuildTextFile(const std::string& fileName)
    : handle_(win32::CreateFile(fileName, win32::GENERIC_WRITE, win32::FILE_SHARE_READ, nullptr,
                                win32::CREATE_ALWAYS, 0, nullptr)) {
    if (handle_ == win32::INVALID_HANDLE_VALUE) RaiseLastInOutError();
    // A flush comes once the buffer passes its size; room for the write
    // that passes it saves growing the buffer step by step.
    buffer_.reserve(2 * kBufferSize);
}

TBuildTextFile::~TBuildTextFile() {
    if (handle_ == win32::INVALID_HANDLE_VALUE) return;
    // Reached when the build stops on an error: keep what can be kept.
    try {
        Flush();
    } catch (const EInOutError&) {
    }
    win32::CloseHandle(handle_);
}

void TBuildTextFile::Write(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kBufferSize) Flush();
}

void TBuildTextFile::WriteLine(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= kBufferSize) Flush();
}

void TBuildTextFile::Close() {
    Flush();
    win32::CloseHandle(handle_);
    handle_ = win32::INVALID_HANDLE_VALUE;
}

void TBuildTextFile::Flush() {
    if (buffer_.empty()) return;
    uint32_t written = 0;
    const bool ok = win32::WriteFile(handle_, buffer_.data(), static_cast<uint32_t>(buffer_.size()), &written, nullptr);
    const size_t size = buffer_.size();
    buffer_.clear();
    if (!ok) RaiseLastInOutError();
    if (written < size) RaiseInOutError(win32::ERROR_DISK_FULL);
}
