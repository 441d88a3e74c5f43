#include "core/log/Log.h"

#include "core/platform/Platform.h"

#include <cstdio>
#include <sstream>

namespace corvale {

namespace {
bool gEnabled = false;
}

void EnableLog(bool on) {
    gEnabled = on;
}

void Log(const char* text) {
    if (!gEnabled) return;
    std::FILE* f = std::fopen("Corvale/Camp.log", "a");
    if (!f) return;
    const std::tm t = platform::LocalTime(platform::CalendarTime());
    std::fprintf(f, "[%d/%d/%d %d:%d:%d] %s\n", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                 t.tm_hour, t.tm_min, t.tm_sec, text);
    std::fclose(f);
}

void Log(const std::string& text) {
    Log(text.c_str());
}

void LogVector(const Vector3& v) {
    std::ostringstream text;
    text << v.x << ", " << v.y << ", " << v.z;
    Log(text.str());
}

} // namespace corvale
