#pragma once
// Game timers that outlive the objects using them, looked up by the hash of a name (or a
// ped handle). Entries are made on first use and live until removed. The camp plug-in has
// one registry, made at start-up with the session.
#include "core/timers/GameTimer.h"

#include <cstdint>
#include <map>

namespace corvale {

class NamedTimers {
  public:
    // The entry for key, first started now with tag = key when there is none. The reference
    // stays valid until the entry is removed.
    GameTimer& timerFor(uint32_t key);
    // By the game's hash of the name.
    GameTimer& timerFor(const char* name);
    void remove(uint32_t key);
    void remove(const char* name);
    bool contains(uint32_t key) const { return timers_.count(key) != 0; }

  private:
    std::map<uint32_t, GameTimer> timers_;
};

} // namespace corvale
