#pragma once
// The class library's exception classes. Errors in system code are
// exceptions, never result codes; every class here carries its English
// message as 8-bit ANSI text.

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// The silent exception: it ends the current operation and is shown by no
// exception handler.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    explicit EAbort(std::string message) : Exception(std::move(message)) {}
};

// A text that is not a valid number, date or other converted value.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failed file operation; ErrorCode is the Windows error code, the message
// that code's system text.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, std::string message) : Exception(std::move(message)), ErrorCode(errorCode) {}
    int ErrorCode;
};

// Stream errors: reading or writing fewer bytes than asked, or a file
// stream that cannot be created or opened.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// A list index outside the list ("List index out of bounds (5)").
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A component rule broken: a duplicate or invalid name.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// An invalid floating-point operation: a value that is not a number or
// does not fit the integer it is converted to.
class EInvalidOp : public Exception {
public:
    EInvalidOp() : Exception("Invalid floating point operation") {}
};
