#include "core/data/AtomicFile.h"

#include "core/platform/SharedFile.h"

#include <cstdio>
#include <string>

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

#ifdef _WIN32
std::wstring Widen(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}
#endif

bool MoveOver(const std::string& from, const char* to) {
#ifdef _WIN32
    const std::wstring wideFrom = Widen(from);
    const std::wstring wideTo = Widen(to);
    if (wideFrom.empty() || wideTo.empty()) return false;
    return MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to) == 0;
#endif
}

bool Fail(ReplaceFailure reason, ReplaceFailure* failure) {
    if (failure) *failure = reason;
    return false;
}

} // namespace

bool ReplaceFileContents(const char* path, std::string_view content, ReplaceFailure* failure) {
    if (failure) *failure = ReplaceFailure::None;
    const std::string temporary = std::string(path) + ".tmp";
    std::FILE* file = platform::OpenShared(temporary.c_str(), "w");
    if (!file) return Fail(ReplaceFailure::CannotCreate, failure);
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool flushed = written && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temporary.c_str());
        return Fail(ReplaceFailure::CannotWrite, failure);
    }
    if (!MoveOver(temporary, path)) {
        std::remove(temporary.c_str());
        return Fail(ReplaceFailure::ReplaceRefused, failure);
    }
    return true;
}

} // namespace corvale
