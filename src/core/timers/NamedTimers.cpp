#include "core/timers/NamedTimers.h"

#include "core/natives/Strings.h"

namespace corvale {

GameTimer& NamedTimers::timerFor(uint32_t key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) it = timers_.emplace(key, GameTimer(static_cast<int32_t>(key))).first;
    return it->second;
}

void NamedTimers::remove(uint32_t key) {
    timers_.erase(key);
}

GameTimer& NamedTimers::timerFor(const char* name) {
    return timerFor(HashString(name));
}

void NamedTimers::remove(const char* name) {
    remove(HashString(name));
}

} // namespace corvale
