#include "core/log/Log.h"

#include "core/platform/Platform.h"
#include "core/platform/SharedFile.h"

#include <cstdio>
#include <cstring>
#include <locale>
#include <sstream>

namespace corvale {

namespace {

constexpr const char* kLogPath = "Corvale/Camp.log";
bool gLogEnabled = false;

void WriteEntry(const char* text, size_t length) {
    if (!gLogEnabled) return;
    const std::tm t = platform::LocalTime(platform::CalendarTime());
    std::FILE* file = platform::OpenShared(kLogPath, "a");
    if (!file) return; // no folder or read-only: the entry is lost, nobody is told
    char prefix[80];
    const int prefixLength =
        std::snprintf(prefix, sizeof prefix, "[%d/%d/%d %d:%d:%d] ", t.tm_mday, t.tm_mon + 1,
                      t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    std::string entry;
    entry.reserve(static_cast<size_t>(prefixLength > 0 ? prefixLength : 0) + length + 1);
    if (prefixLength > 0) entry.append(prefix, static_cast<size_t>(prefixLength));
    entry.append(text, length);
    entry.push_back('\n');
    std::fwrite(entry.data(), 1, entry.size(), file);
    std::fclose(file); // a failed close loses the entry; the next one opens the file anew
}

} // namespace

void EnableLog(bool on) {
    gLogEnabled = on;
}
bool IsLogEnabled() {
    return gLogEnabled;
}

void Log(const char* text) {
    if (!text) text = "";
    WriteEntry(text, std::strlen(text));
}

void Log(const std::string& text) {
    WriteEntry(text.data(), text.size());
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
