#pragma once
// The game clock: a count of seconds since the game's base year that runs at the game's
// pace (a game minute every 2 s of game timer) and jumps when a script advances it.
#include <cstdint>

namespace sim {

struct Clock {
    static constexpr int64_t kBase = 3600LL * 24 * 365; // the first of January, a year in
    int64_t setAt = kBase + 12 * 3600; // clock seconds at the moment it was last set
    int32_t setAtTimer = 0;            // game timer at that moment

    int64_t seconds(int32_t timer) const { return setAt + int64_t(timer - setAtTimer) * 30 / 1000; }
    int hour(int32_t timer) const { return int((seconds(timer) / 3600) % 24); }
    int minute(int32_t timer) const { return int((seconds(timer) / 60) % 60); }
    void set(int64_t s, int32_t timer) {
        setAt = s;
        setAtTimer = timer;
    }
    // Moves forward to the next time of day h:m:s (the next day when it has passed).
    void advanceTo(int h, int m, int s, int32_t timer) {
        const int64_t now = seconds(timer);
        const int64_t day = now - now % 86400;
        int64_t target = day + h * 3600 + m * 60 + s;
        if (target <= now) target += 86400;
        set(target, timer);
    }
    void setHour(int h, int32_t timer) {
        const int64_t now = seconds(timer);
        set(now - now % 86400 + int64_t(h) * 3600, timer);
    }
};

} // namespace sim
