#include "build/BuildTextFile.h"

#include "vcl/files/inout_error.h"
#include "win32/errors.h"
#include "win32/files.h"

TBuildTextFile::TBuildTextFile(const std::string& fileName)
    : handle_(win32::CreateFile(fileName, win32::GENERIC_WRITE, win32::FILE_SHARE_READ, nullptr,
                                win32::CREATE_ALWAYS, 0, nullptr)) {
    if (handle_ == win32::INVALID_HANDLE_VALUE) RaiseLastInOutError();
    // A flush comes once the buffer passes its size; room for the write
    // that passes it saves growing the buffer step by step.
    buffer_.reserve(2 * kWriteThroughSize);
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
    // Text as large as the buffer is written as it is, saving the copy.
    if (text.size() >= kWriteThroughSize) {
        Flush();
        WriteThrough(text);
        return;
    }
    buffer_ += text;
    if (buffer_.size() >= kWriteThroughSize) Flush();
}

void TBuildTextFile::WriteLine(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= kWriteThroughSize) Flush();
}

void TBuildTextFile::Close() {
    Flush();
    win32::CloseHandle(handle_);
    handle_ = win32::INVALID_HANDLE_VALUE;
}

void TBuildTextFile::Flush() {
    if (buffer_.empty()) return;
    const uint32_t error = WriteAll(buffer_);
    // Emptied even after a failure, so that the destructor does not write
    // it again.
    buffer_.clear();
    if (error != win32::ERROR_SUCCESS) RaiseInOutError(error);
}

void TBuildTextFile::WriteThrough(std::string_view text) {
    const uint32_t error = WriteAll(text);
    if (error != win32::ERROR_SUCCESS) RaiseInOutError(error);
}

uint32_t TBuildTextFile::WriteAll(std::string_view text) {
    uint32_t written = 0;
    if (!win32::WriteFile(handle_, text.data(), static_cast<uint32_t>(text.size()), &written, nullptr))
        return win32::GetLastError();
    return written < text.size() ? win32::ERROR_DISK_FULL : win32::ERROR_SUCCESS;
}
