#pragma once
// Bounded output into a caller's buffer: never more than capacity characters
// plus the NUL, always terminated. In tidy mode whitespace is collapsed to
// single spaces and trimmed, and a removal leaves no space before a comma and
// no comma at either end.
#include "text/Charset.h"

#include <cstddef>

namespace veskor::text {

class Writer {
public:
    Writer(char *buffer, int capacity, bool tidy = true)
        : buf_(buffer), cap_(buffer && capacity > 0 ? capacity : 0), tidy_(tidy)
    {
    }

    // Whitespace from the input (tidy mode) or a plain character.
    void put(Byte c)
    {
        if (full_)
            return;
        if (tidy_ && isSpace(c)) {
            space();
            return;
        }
        if (len_ == 0 && removed_ && (c == ',' || c == ';'))
            return;  // "Director, John" without "Director": no leading comma
        if (pending_) {
            pending_ = false;
            const bool closing = c == ',' || c == ';' || c == ')';
            if (!(removed_ && closing)) {
                if (len_ + 1 >= cap_) {
                    full_ = true;  // a space with nothing after it would be a trailing space
                    return;
                }
                emit(' ');
            }
        }
        removed_ = false;
        emit(c);
    }

    void put(const char *s, size_t n)
    {
        for (size_t i = 0; i < n && !full_; ++i)
            put(static_cast<Byte>(s[i]));
    }

    void space()
    {
        if (len_ > 0 && !(removed_ && last_ == '('))
            pending_ = true;
    }

    // Something was taken out of the text here.
    void removed() { removed_ = true; }

    // Drops a last character c (a hyphen left hanging by a removal).
    void dropLast(Byte c)
    {
        if (len_ > 0 && last_ == c) {
            --len_;
            last_ = len_ > 0 ? static_cast<Byte>(buf_[len_ - 1]) : 0;
        }
    }

    bool full() const { return full_; }
    int length() const { return len_; }

    int finish()
    {
        if (removed_ && !full_ && (last_ == ',' || last_ == ';'))
            dropLast(last_);  // "John, Director" without "Director": no trailing comma
        if (buf_)
            buf_[len_] = '\0';
        return len_;
    }

private:
    void emit(Byte c)
    {
        if (len_ >= cap_) {
            full_ = true;
            return;
        }
        buf_[len_++] = static_cast<char>(c);
        last_ = c;
    }

    char *buf_;
    int cap_;
    int len_ = 0;
    bool tidy_;
    bool pending_ = false;
    bool removed_ = false;
    bool full_ = false;
    Byte last_ = 0;
};

}  // namespace veskor::text
