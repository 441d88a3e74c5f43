#include "FileWrites.h"

#include <cstring>
#include <mutex>

namespace sim {

namespace {

constexpr size_t kNames = 32, kNameSize = 64;

struct Counted {
    char name[kNameSize] = {};
    uint64_t count = 0;
};

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

Counted (&Table())[kNames] {
    static Counted table[kNames];
    return table;
}

// The path's last part, lower case, into out; false when it does not fit.
bool NameOf(const char* path, char (&out)[kNameSize]) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '/' || *p == '\\') name = p + 1;
    size_t n = 0;
    for (; name[n]; ++n) {
        if (n + 1 >= kNameSize) return false;
        const char c = name[n];
        out[n] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    out[n] = '\0';
    return n > 0;
}

} // namespace

void CountFileReplaced(const char* path) {
    char name[kNameSize];
    if (!path || !NameOf(path, name)) return;
    std::lock_guard<std::mutex> hold(Lock());
    for (Counted& c : Table()) {
        if (c.name[0] == '\0') std::memcpy(c.name, name, sizeof name);
        if (std::strcmp(c.name, name) == 0) {
            ++c.count;
            return;
        }
    }
}

uint64_t FileReplacedCount(const char* path) {
    char name[kNameSize];
    if (!path || !NameOf(path, name)) return 0;
    std::lock_guard<std::mutex> hold(Lock());
    for (const Counted& c : Table())
        if (std::strcmp(c.name, name) == 0) return c.count;
    return 0;
}

} // namespace sim

#ifndef _WIN32
#include <fcntl.h>
#include <stdio.h>

// The Linux plug-ins bind rename to this process, as they do operator new; the Windows
// plug-ins' MoveFileExW is pointed at the simulator instead.
extern "C" __attribute__((visibility("default"))) int rename(const char* from,
                                                             const char* to) noexcept {
    const int result = renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0) sim::CountFileReplaced(to);
    return result;
}
#endif
