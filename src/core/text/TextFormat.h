#pragma once
// Player-visible texts composed into fixed buffers. Texts from the data files are never used
// as printf formats: a stray "%n" or "%d" in a translation must not reach the C runtime.
#include <cstddef>

namespace corvale {

// Writes format into out (size bytes, terminator included) with the first "%s" replaced by
// arg and "%%" written as "%"; every other "%" is copied as it stands. Cuts at size - 1
// bytes without splitting a UTF-8 character. Null format or arg read as empty. Returns the
// length written.
size_t FormatText(char* out, size_t size, const char* format, const char* arg);

template <size_t N> size_t FormatText(char (&out)[N], const char* format, const char* arg) {
    return FormatText(out, N, format, arg);
}

// Copies text into out (size bytes, terminator included), cut the same way. Returns the
// length written.
size_t CopyText(char* out, size_t size, const char* text);

template <size_t N> size_t CopyText(char (&out)[N], const char* text) {
    return CopyText(out, N, text);
}

// Writes head and then tail into out (size bytes, terminator included). A long head is cut,
// without splitting a UTF-8 character, so that the tail (a figure: " 42%") fits whole. Returns
// the length written.
size_t JoinKeepingTail(char* out, size_t size, const char* head, const char* tail);

template <size_t N> size_t JoinKeepingTail(char (&out)[N], const char* head, const char* tail) {
    return JoinKeepingTail(out, N, head, tail);
}

} // namespace corvale
