#include "core/text/TextFormat.h"

#include <cstring>

namespace corvale {

namespace {

// Appends into a fixed buffer, dropping what does not fit.
class BoundedWriter {
  public:
    BoundedWriter(char* out, size_t size) : out_(out), limit_(size ? size - 1 : 0) {}

    void put(const char* text, size_t n) {
        for (size_t i = 0; i < n && !full_; ++i) {
            if (length_ == limit_)
                full_ = true;
            else
                out_[length_++] = text[i];
        }
    }
    void put(const char* text) {
        while (text && *text && !full_)
            put(text++, 1);
    }

    // Terminates; a cut that fell inside a UTF-8 character drops the partial character.
    size_t finish() {
        if (full_) length_ = WholeCharacters(out_, length_);
        out_[length_] = '\0';
        return length_;
    }

  private:
    // The length without a last character whose bytes were not all written.
    static size_t WholeCharacters(const char* text, size_t length) {
        size_t tail = length;
        while (tail > 0 && (static_cast<unsigned char>(text[tail - 1]) & 0xC0) == 0x80)
            --tail;
        if (tail == 0) return length;
        const unsigned char lead = static_cast<unsigned char>(text[tail - 1]);
        if (lead < 0xC0) return length; // ends on a whole ASCII character
        const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        return length - (tail - 1) >= expected ? length : tail - 1;
    }

    char* out_;
    size_t limit_;
    size_t length_ = 0;
    bool full_ = false;
};

} // namespace

size_t FormatText(char* out, size_t size, const char* format, const char* arg) {
    if (!out || size == 0) return 0;
    BoundedWriter w(out, size);
    bool argUsed = false;
    for (const char* p = format; p && *p;) {
        if (p[0] == '%' && p[1] == '%') {
            w.put("%", 1);
            p += 2;
        } else if (p[0] == '%' && p[1] == 's' && !argUsed) {
            w.put(arg);
            argUsed = true;
            p += 2;
        } else {
            w.put(p, 1);
            ++p;
        }
    }
    return w.finish();
}

size_t CopyText(char* out, size_t size, const char* text) {
    if (!out || size == 0) return 0;
    BoundedWriter w(out, size);
    w.put(text);
    return w.finish();
}

size_t JoinKeepingTail(char* out, size_t size, const char* head, const char* tail) {
    if (!out || size == 0) return 0;
    const size_t tailLength = tail ? std::strlen(tail) : 0;
    const size_t headRoom = tailLength < size ? size - tailLength : 1;
    const size_t n = CopyText(out, headRoom, head);
    return n + CopyText(out + n, size - n, tail);
}

} // namespace corvale
