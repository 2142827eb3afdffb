#include "vcl/classes/filestream.h"

#include "vcl/system/exception.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"

namespace {
// The Windows sharing for the class library's share modes; compatibility
// mode shares nothing, as exclusive does.
uint32_t ShareFor(uint16_t mode) {
    switch (mode & 0xF0) {
        case fmShareDenyWrite: return win32::FILE_SHARE_READ;
        case fmShareDenyRead: return win32::FILE_SHARE_WRITE;
        case fmShareDenyNone: return win32::FILE_SHARE_READ | win32::FILE_SHARE_WRITE;
        default: return 0;
    }
}

uint32_t AccessFor(uint16_t mode) {
    switch (mode & 0x03) {
        case fmOpenWrite: return win32::GENERIC_WRITE;
        case fmOpenReadWrite: return win32::GENERIC_READ | win32::GENERIC_WRITE;
        default: return win32::GENERIC_READ;
    }
}

std::string WithSystemText(const std::string& text, uint32_t error) {
    return text + ". " + win32::SystemErrorMessage(error);
}
}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : fileName_(fileName) {
    if (mode == fmCreate) {
        handle_ = win32::CreateFile(fileName, win32::GENERIC_READ | win32::GENERIC_WRITE, 0, nullptr,
                                    win32::CREATE_ALWAYS, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == win32::INVALID_HANDLE_VALUE)
            throw EFCreateError(WithSystemText("Cannot create file " + fileName, win32::GetLastError()));
    } else {
        handle_ = win32::CreateFile(fileName, AccessFor(mode), ShareFor(mode), nullptr, win32::OPEN_EXISTING,
                                    win32::FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == win32::INVALID_HANDLE_VALUE)
            throw EFOpenError(WithSystemText("Cannot open file " + fileName, win32::GetLastError()));
    }
}

TFileStream::~TFileStream() { win32::CloseHandle(handle_); }

int32_t TFileStream::Read(void* buffer, int32_t count) {
    if (count <= 0) return 0;
    uint32_t read = 0;
    if (!win32::ReadFile(handle_, buffer, static_cast<uint32_t>(count), &read, nullptr)) return 0;
    return static_cast<int32_t>(read);
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) return 0;
    uint32_t written = 0;
    win32::WriteFile(handle_, buffer, static_cast<uint32_t>(count), &written, nullptr);
    return static_cast<int32_t>(written);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t position = 0;
    const uint32_t method = origin == soBeginning ? win32::FILE_BEGIN
                            : origin == soCurrent ? win32::FILE_CURRENT
                                                  : win32::FILE_END;
    if (!win32::SetFilePointerEx(handle_, offset, &position, method)) return -1;
    return position;
}

void TFileStream::SetSize(int64_t size) {
    const int64_t here = Seek(0, soCurrent);
    if (Seek(size, soBeginning) != size || !win32::SetEndOfFile(handle_)) {
        const uint32_t error = win32::GetLastError();
        Seek(here, soBeginning);
        throw EStreamError(win32::SystemErrorMessage(error));
    }
    if (here < size) Seek(here, soBeginning);
}
