#include "core/data/AtomicFile.h"

#include <cstring>

namespace corvale {

namespace {

// Paths of the game folder are short; a longer one is refused rather than allocated for.
constexpr size_t kMaxPath = 1024;
constexpr char kTemporarySuffix[] = ".tmp";

bool TemporaryPathFor(const char* path, char (&out)[kMaxPath]) {
    const size_t length = std::strlen(path);
    if (length + sizeof kTemporarySuffix > kMaxPath) return false;
    std::memcpy(out, path, length);
    std::memcpy(out + length, kTemporarySuffix, sizeof kTemporarySuffix);
    return true;
}

bool Fail(ReplaceFailure reason, ReplaceFailure* failure) {
    if (failure) *failure = reason;
    return false;
}

} // namespace

bool ReplaceFileContents(const char* path, std::string_view content, ReplaceFailure* failure,
                         platform::FileOperations& files) {
    if (failure) *failure = ReplaceFailure::None;
    // Built on the stack: saving allocates nothing.
    char temporary[kMaxPath];
    if (!TemporaryPathFor(path, temporary)) return Fail(ReplaceFailure::CannotCreate, failure);
    std::FILE* file = files.create(temporary);
    if (!file) return Fail(ReplaceFailure::CannotCreate, failure);
    const bool written = files.write(file, content.data(), content.size());
    const bool flushed = written && files.flush(file);
    const bool synced = flushed && files.sync(file);
    // Closed whatever happened before, so the temporary file can be removed on Windows.
    const bool closed = files.close(file);
    if (!written || !flushed || !synced || !closed) {
        files.remove(temporary);
        return Fail(ReplaceFailure::CannotWrite, failure);
    }
    if (!files.replace(temporary, path)) {
        files.remove(temporary);
        return Fail(ReplaceFailure::ReplaceRefused, failure);
    }
    return true;
}

} // namespace corvale
