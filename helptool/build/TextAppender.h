#pragma once
// TTextAppender: appends many small pieces to a std::string without the
// string's checks and calls for each piece. It makes room in the string
// ahead (the string's size runs ahead of what was written), copies pieces
// into it in place, and cuts the string back to what was written when it
// goes. While it lives, the string must be written only through it.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

class TTextAppender {
public:
    explicit TTextAppender(std::string& text) : text_(text) { Attach(text.size()); }
    ~TTextAppender() { text_.resize(Written()); }
    TTextAppender(const TTextAppender&) = delete;
    TTextAppender& operator=(const TTextAppender&) = delete;

    void append(const char* data, size_t size) {
        if (size > Room()) Grow(size);
        next_ = CopyTo(next_, data, size);
    }
    void append(std::string_view piece) { append(piece.data(), piece.size()); }
    // `size` bytes and a carriage return and line feed.
    void AppendLine(const char* data, size_t size) {
        if (size + 2 > Room()) Grow(size + 2);
        char* to = CopyTo(next_, data, size);
        to[0] = '\r';
        to[1] = '\n';
        next_ = to + 2;
    }
    void append(size_t count, char c) {
        if (count > Room()) Grow(count);
        std::memset(next_, c, count);
        next_ += count;
    }
    TTextAppender& operator+=(std::string_view piece) {
        append(piece);
        return *this;
    }
    TTextAppender& operator+=(char c) {
        if (Room() == 0) Grow(1);
        *next_++ = c;
        return *this;
    }

private:
    // Copies `size` bytes to `to`; gives the end of the copy. Most pieces
    // are a few bytes, copied faster here than by a call.
    static char* CopyTo(char* to, const char* data, size_t size) {
        constexpr size_t kShortPiece = 16;
        if (size <= kShortPiece) {
            for (size_t i = 0; i < size; ++i) to[i] = data[i];
        } else {
            std::memcpy(to, data, size);
        }
        return to + size;
    }
    size_t Room() const { return static_cast<size_t>(end_ - next_); }
    size_t Written() const { return static_cast<size_t>(next_ - text_.data()); }
    // Room for `size` more bytes at least; the string's own growth keeps
    // reallocations rare, and the room made at a time stays small, because
    // making it fills it.
    void Grow(size_t size) { Attach(Written(), size); }
    void Attach(size_t written, size_t size = 0) {
        constexpr size_t kRoomAtATime = 1024;
        text_.resize(written + (size > kRoomAtATime ? size : kRoomAtATime));
        next_ = text_.data() + written;
        end_ = text_.data() + text_.size();
    }

    std::string& text_;
    char* next_ = nullptr;
    char* end_ = nullptr;
};
