#include "core/timers/NamedTimers.h"

#include "core/natives/Strings.h"

namespace corvale {

namespace {
// Lives for the whole game run; never destroyed, like every process-wide object.
NamedTimers& Registry() {
    static NamedTimers* registry = new NamedTimers();
    return *registry;
}
} // namespace

GameTimer& NamedTimers::timerFor(uint32_t key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) it = timers_.emplace(key, GameTimer(static_cast<int32_t>(key))).first;
    return it->second;
}

void NamedTimers::remove(uint32_t key) {
    timers_.erase(key);
}

GameTimer& TimerFor(uint32_t key) {
    return Registry().timerFor(key);
}

GameTimer& TimerFor(const char* name) {
    return Registry().timerFor(HashString(name));
}

void RemoveTimer(const char* name) {
    Registry().remove(HashString(name));
}

} // namespace corvale
