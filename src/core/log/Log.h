#pragma once
// Provisional camp log (replaced by the log file code when it lands): one line per entry
// in "Corvale/Camp.log".
#include "core/natives/Vector3.h"

#include <string>

namespace corvale {

void EnableLog(bool on);
void Log(const char* text);
void Log(const std::string& text);
void LogVector(const Vector3& v);

} // namespace corvale
