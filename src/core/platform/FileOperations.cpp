#include "core/platform/FileOperations.h"

#include "core/platform/SharedFile.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvale::platform {

namespace {

#ifdef _WIN32
// Paths of the game folder are short; a longer one is refused rather than allocated for.
constexpr size_t kMaxPath = 1024;

bool Widen(const char* path, wchar_t (&out)[kMaxPath]) {
    return MultiByteToWideChar(CP_ACP, 0, path, -1, out, static_cast<int>(kMaxPath)) > 0;
}
#endif

} // namespace

// Binary on every platform: a save is the same bytes wherever it was written, and a byte the
// Windows C library would take for the end of a text file is only a byte.
std::FILE* FileOperations::create(const char* path) {
    return OpenShared(path, "wb");
}

bool FileOperations::write(std::FILE* file, const char* data, size_t size) {
    return std::fwrite(data, 1, size, file) == size;
}

bool FileOperations::flush(std::FILE* file) {
    return std::fflush(file) == 0;
}

bool FileOperations::sync(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool FileOperations::close(std::FILE* file) {
    return std::fclose(file) == 0;
}

bool FileOperations::replace(const char* from, const char* to) {
#ifdef _WIN32
    wchar_t wideFrom[kMaxPath];
    wchar_t wideTo[kMaxPath];
    if (!Widen(from, wideFrom) || !Widen(to, wideTo)) return false;
    return MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

void FileOperations::remove(const char* path) {
    std::remove(path);
}

std::FILE* FileOperations::open(const char* path, bool& missing) {
    errno = 0;
    std::FILE* file = OpenShared(path, "rb");
    // A file another program holds, or one the player may not read, is no missing file.
    missing = !file && errno == ENOENT;
    return file;
}

bool FileOperations::read(std::FILE* file, char* buffer, size_t size, size_t& got) {
    got = std::fread(buffer, 1, size, file);
    return std::ferror(file) == 0;
}

FileOperations& SystemFiles() {
    static FileOperations files;
    return files;
}

} // namespace corvale::platform
