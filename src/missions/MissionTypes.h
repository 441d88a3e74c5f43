#pragma once
// Mission types and statuses: the numbers appear in saved data, script-event payloads,
// text keys and the log.
#include <cstdint>

namespace corvale {

enum class MissionType : int32_t { Sabotage = 0, CookRescue = 1, CampRaid = 2 };

enum class MissionStatus : int32_t {
    Waiting = 0, // created, not begun: ticked, not supervised
    Running = 1, // begun: fails when the player dies
    Passed = 2,
    Failed = 3,
};

inline int32_t Number(MissionType type) { return static_cast<int32_t>(type); }
inline int32_t Number(MissionStatus status) { return static_cast<int32_t>(status); }
// Passed and failed missions have terminated; nothing changes them any more.
inline bool IsTerminated(MissionStatus status) { return Number(status) >= 2; }

} // namespace corvale
