#pragma once
// The names of the plug-ins' script events, as another mod may send them to either plug-in:
// one list for the chaos world and the fuzzing of the event readers. A test checks it against
// the names the plug-ins use.
#include <cstddef>

namespace sim::chaos {

inline constexpr const char* kOurEvents[] = {
    "CORVALE_MENU_OPEN",
    "CORVALE_MENU_CLOSED",
    "CORVALE_MENU_FLAVOUR_SET",
    "CORVALE_DELIVERY_FINISHED",
    "CORVALE_DELIVERY_NOT_FINISHED",
    "CORVALE_PUT_HERBS_IN_STILL",
    "CORVALE_CAMP_LOCATION_SET",
    "CORVALE_CAMP_DESPAWNED",
    "CORVALE_CAMP_LOCATION_SELECTOR_OPEN",
    "CORVALE_CAMP_LOCATION_SELECTOR_CLOSE",
    "CORVALE_CAMP_LOCATION_CHANGED",
    "CORVALE_PLAYER_ENTER_CAMP",
    "CORVALE_MISSION_ACCEPTED",
    "CORVALE_MISSION_FINISHED",
    "CORVALE_INFLUENCE_SET",
    "CORVALE_LAW_AWARENESS_SET",
    "CORVALE_MODIFY_INFLUENCE",
    "CORVALE_MODIFY_LAW_AWARENESS",
};
inline constexpr size_t kOurEventCount = sizeof kOurEvents / sizeof kOurEvents[0];

} // namespace sim::chaos
