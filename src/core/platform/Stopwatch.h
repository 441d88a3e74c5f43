#pragma once
// Wall-clock seconds for short waits (an animation dictionary loading). Header-only so the
// bridge, carried by both plug-ins, can use it without the camp runtime.
#include "core/platform/Platform.h"

#include <cstdint>

namespace corvale {

class Stopwatch {
  public:
    virtual ~Stopwatch() = default;
    // The wall clock in whole seconds of calendar time.
    virtual int64_t now() { return platform::CalendarTime(); }

    void start() {
        startTime_ = now();
        started_ = true;
    }
    // Whole seconds since start; -1 when never started.
    double elapsed() { return started_ ? static_cast<double>(now() - startTime_) : -1.0; }

  private:
    int64_t startTime_ = 0;
    bool started_ = false;
};

} // namespace corvale
