#include "core/log/Log.h"

#include "core/log/LogLimit.h"

#include "core/platform/Platform.h"
#include "core/platform/SharedFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <locale>
#include <sstream>

namespace corvale {

namespace {

constexpr const char* kLogPath = "Corvale/Camp.log";
constexpr const char* kOldLogPath = "Corvale/Camp.old.log";
constexpr long kLongLogBytes = 1024L * 1024L;
constexpr size_t kExcerptLength = 120;
bool gLogEnabled = false;

// The entry goes out through the file's own buffer in one close: nothing is allocated, so a
// frame that logs (a save's frame among them) stays free of the heap.
void WriteEntry(std::string_view head, std::string_view tail) {
    if (!gLogEnabled) return;
    if (!LogLimit::admit()) return;
    const std::tm t = platform::LocalTime(platform::CalendarTime());
    // Binary: the log reads alike wherever it was written.
    std::FILE* file = platform::OpenShared(kLogPath, "ab");
    if (!file) return; // no folder or read-only: the entry is lost, nobody is told
    char prefix[80];
    const int prefixLength =
        std::snprintf(prefix, sizeof prefix, "[%d/%d/%d %d:%d:%d] ", t.tm_mday, t.tm_mon + 1,
                      t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    if (prefixLength > 0)
        std::fwrite(prefix, 1, std::min(static_cast<size_t>(prefixLength), sizeof prefix - 1),
                    file);
    // An empty part may have no storage at all: it is not handed to the C library.
    if (!head.empty()) std::fwrite(head.data(), 1, head.size(), file);
    if (!tail.empty()) std::fwrite(tail.data(), 1, tail.size(), file);
    std::fputc('\n', file);
    std::fclose(file); // a failed close loses the entry; the next one opens the file anew
}

} // namespace

void SetAsideLongLog(platform::FileOperations& files) {
    std::FILE* file = platform::OpenShared(kLogPath, "rb");
    if (!file) return;
    // A size past what a 32-bit long holds (Windows) reads as -1: that log is long too.
    const long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : 0;
    const bool longLog = size > kLongLogBytes || size < 0;
    std::fclose(file);
    if (longLog) files.replace(kLogPath, kOldLogPath);
}

void EnableLog(bool on) {
    gLogEnabled = on;
}
bool IsLogEnabled() {
    return gLogEnabled;
}

void Log(const char* text) {
    WriteEntry(text ? std::string_view(text) : std::string_view(), {});
}

void Log(const std::string& text) {
    WriteEntry(text, {});
}

void Log(std::string_view head, std::string_view tail) {
    WriteEntry(head, tail);
}

std::string LogExcerpt(std::string_view text) {
    if (text.size() <= kExcerptLength) return std::string(text);
    return std::string(text.substr(0, kExcerptLength)) + "...";
}

void LogVector(const Vector3& v) {
    if (!gLogEnabled) return;
    Log(VectorText(v));
}

std::string VectorText(const Vector3& v) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << v.x << ", " << v.y << ", " << v.z;
    return out.str();
}

} // namespace corvale
