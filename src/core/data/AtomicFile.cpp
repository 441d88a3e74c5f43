#include "core/data/AtomicFile.h"

#include "core/platform/SharedFile.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvale {

namespace {

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

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

#ifdef _WIN32
bool Widen(const char* path, wchar_t (&out)[kMaxPath]) {
    return MultiByteToWideChar(CP_ACP, 0, path, -1, out, static_cast<int>(kMaxPath)) > 0;
}
#endif

bool MoveOver(const char* from, const char* to) {
#ifdef _WIN32
    wchar_t wideFrom[kMaxPath];
    wchar_t wideTo[kMaxPath];
    if (!Widen(from, wideFrom) || !Widen(to, wideTo)) return false;
    return MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

bool Fail(ReplaceFailure reason, ReplaceFailure* failure) {
    if (failure) *failure = reason;
    return false;
}

} // namespace

bool ReplaceFileContents(const char* path, std::string_view content, ReplaceFailure* failure) {
    if (failure) *failure = ReplaceFailure::None;
    // Built on the stack: saving allocates nothing.
    char temporary[kMaxPath];
    if (!TemporaryPathFor(path, temporary)) return Fail(ReplaceFailure::CannotCreate, failure);
    std::FILE* file = platform::OpenShared(temporary, "w");
    if (!file) return Fail(ReplaceFailure::CannotCreate, failure);
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool flushed = written && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temporary);
        return Fail(ReplaceFailure::CannotWrite, failure);
    }
    if (!MoveOver(temporary, path)) {
        std::remove(temporary);
        return Fail(ReplaceFailure::ReplaceRefused, failure);
    }
    return true;
}

} // namespace corvale
