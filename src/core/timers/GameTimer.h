#pragma once
// A duration measured on the game timer, so it runs with the game, not the wall clock.
#include <cstdint>

namespace corvale {

class GameTimer {
  public:
    // Starts now; tag is the registry key for registry timers, else 0 or the caller's.
    explicit GameTimer(int32_t tag = 0);

    int32_t elapsedMs() const;
    // Whole seconds, truncated toward zero.
    int32_t elapsedSeconds() const;
    void reset();
    // Starts at now + offset: a negative offset reads as if started that long ago.
    void shiftStart(int32_t offsetMs);

    int32_t tag() const { return tag_; }
    int32_t start() const { return start_; }

  private:
    int32_t tag_;
    int32_t start_;
};

static_assert(sizeof(GameTimer) == 8, "a game timer is a plain 8-byte value");

} // namespace corvale
