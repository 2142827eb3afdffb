#include "model/WholeFile.h"

#include <algorithm>
#include <cstdint>

#include "vcl/files/inout_error.h"
#include "vcl/system/paths.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/files.h"
#include "win32/temp_files.h"

namespace {

constexpr uint32_t kBlockSize = 64 * 1024;

// Closes the handle when the scope ends, whatever happens.
class OpenFile {
public:
    explicit OpenFile(win32::HANDLE handle) : handle_(handle) {}
    ~OpenFile() {
        if (handle_ != win32::INVALID_HANDLE_VALUE) win32::CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    win32::HANDLE Handle() const { return handle_; }

private:
    win32::HANDLE handle_;
};

void WriteAll(win32::HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const uint32_t chunk = static_cast<uint32_t>(std::min<size_t>(kBlockSize, bytes.size() - done));
        uint32_t written = 0;
        const bool ok = win32::WriteFile(file, bytes.data() + done, chunk, &written, nullptr);
        if (!ok) RaiseLastInOutError();
        if (written < chunk) RaiseInOutError(win32::ERROR_DISK_FULL);
        done += written;
    }
}

// A new, empty file beside `fileName` to write into.
std::string NewFileBeside(const std::string& fileName) {
    std::string folder = ExtractFilePath(fileName);
    if (folder.empty()) folder = ".";
    std::string tempName;
    if (win32::GetTempFileName(folder, "qpx", 0, tempName) == 0) {
        // A folder that is missing reads as the path error it is.
        if (win32::GetLastError() == win32::ERROR_DIRECTORY) RaiseInOutError(win32::ERROR_PATH_NOT_FOUND);
        RaiseLastInOutError();
    }
    return tempName;
}

}  // namespace

std::string ReadWholeFile(const std::string& fileName) {
    OpenFile file(win32::CreateFile(fileName, win32::GENERIC_READ, win32::FILE_SHARE_READ, nullptr,
                                    win32::OPEN_EXISTING, win32::FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Handle() == win32::INVALID_HANDLE_VALUE) RaiseLastInOutError();
    std::string bytes;
    std::string block(kBlockSize, '\0');
    for (;;) {
        uint32_t read = 0;
        if (!win32::ReadFile(file.Handle(), block.data(), kBlockSize, &read, nullptr)) RaiseLastInOutError();
        if (read == 0) break;
        bytes.append(block.data(), read);
    }
    return bytes;
}

TSafeFileWriter::TSafeFileWriter(std::string fileName)
    : fileName_(std::move(fileName)), tempName_(NewFileBeside(fileName_)) {
    handle_ = win32::CreateFile(tempName_, win32::GENERIC_WRITE, 0, nullptr, win32::TRUNCATE_EXISTING,
                                win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == win32::INVALID_HANDLE_VALUE) {
        const uint32_t error = win32::GetLastError();
        win32::DeleteFile(tempName_);
        RaiseInOutError(error);
    }
}

TSafeFileWriter::~TSafeFileWriter() {
    if (handle_ == win32::INVALID_HANDLE_VALUE) return;
    win32::CloseHandle(handle_);
    win32::DeleteFile(tempName_);
}

void TSafeFileWriter::Write(const std::string& bytes) { WriteAll(handle_, bytes); }

void TSafeFileWriter::Commit() {
    win32::CloseHandle(handle_);
    handle_ = win32::INVALID_HANDLE_VALUE;
    if (!win32::MoveFileEx(tempName_, fileName_, win32::MOVEFILE_REPLACE_EXISTING)) {
        const uint32_t error = win32::GetLastError();
        win32::DeleteFile(tempName_);
        RaiseInOutError(error);
    }
}
