#include "core/log/LogLimit.h"

#include "core/log/Log.h"

#include <cstdio>

namespace corvale {

namespace {
// Only the script thread logs.
LogLimit* gActive = nullptr;
} // namespace

LogLimit::LogLimit(const char* what, int32_t maxLines)
    : what_(what), left_(maxLines), outer_(gActive) {
    gActive = this;
}

LogLimit::~LogLimit() {
    gActive = outer_;
    if (leftOut_ == 0) return;
    char line[160];
    std::snprintf(line, sizeof line, "%s: %d more lines of this frame left out", what_,
                  static_cast<int>(leftOut_));
    Log(line);
}

bool LogLimit::admit() {
    LogLimit* limit = gActive;
    if (!limit) return true;
    if (limit->left_ > 0) {
        --limit->left_;
        return true;
    }
    ++limit->leftOut_;
    return false;
}

} // namespace corvale
