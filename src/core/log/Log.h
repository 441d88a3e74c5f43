#pragma once
// The camp plug-in's diagnostic log, "Corvale/Camp.log": one timestamped line per entry,
// appended and closed at once so the log is complete even if the game dies right after.
#include "core/natives/Vector3.h"
#include "core/platform/FileOperations.h"

#include <string>
#include <string_view>

namespace corvale {

// Process-wide switch, off until the camp plug-in's start-up turns it on; the business
// plug-in shares this code but never writes a log.
void EnableLog(bool on);
bool IsLogEnabled();

// One entry: "[d/m/yyyy h:m:s] " in local time, the text, a line feed. A missing folder
// or a read-only file drops the entry silently.
void Log(const char* text);
void Log(const std::string& text);
// One entry of two parts written one after the other, without joining them in memory.
void Log(std::string_view head, std::string_view tail);

// Outside text quoted in a log line: at most a line's worth, marked "..." where it was cut,
// so that a 2 MB line in a data file does not become a 2 MB log entry.
std::string LogExcerpt(std::string_view text);

// At start-up, before the banner: a log grown over 1 MB over earlier game runs becomes
// "Corvale/Camp.old.log" (replacing the one before), and this run starts a fresh one.
void SetAsideLongLog(platform::FileOperations& files = platform::SystemFiles());

// One entry holding the three components joined by ", " ("1.5, -2, 0.25").
void LogVector(const Vector3& v);

// The components in the default stream float format joined by ", ", as LogVector writes them.
std::string VectorText(const Vector3& v);

} // namespace corvale
