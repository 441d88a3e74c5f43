#pragma once
// The names of the script events between and within the plug-ins. Word 0 of a payload is
// the game hash of one of them, hashed again at every use.

namespace corvale::events {

// The type the game gives every event sent with TriggerScriptEvent.
inline constexpr const char* kScriptEventType = "EVENT_NETWORK_SCRIPT_EVENT";

// Still menu and brewing (sent by the business plug-in)
inline constexpr const char* kMenuOpen = "CORVALE_MENU_OPEN";
inline constexpr const char* kMenuClosed = "CORVALE_MENU_CLOSED";
inline constexpr const char* kMenuFlavourSet = "CORVALE_MENU_FLAVOUR_SET";
inline constexpr const char* kDeliveryFinished = "CORVALE_DELIVERY_FINISHED";
inline constexpr const char* kDeliveryNotFinished = "CORVALE_DELIVERY_NOT_FINISHED";

// Camp (sent by the camp plug-in)
inline constexpr const char* kPutHerbsInStill = "CORVALE_PUT_HERBS_IN_STILL";
inline constexpr const char* kCampLocationSet = "CORVALE_CAMP_LOCATION_SET";
inline constexpr const char* kCampDespawned = "CORVALE_CAMP_DESPAWNED";
inline constexpr const char* kCampLocationSelectorOpen = "CORVALE_CAMP_LOCATION_SELECTOR_OPEN";
inline constexpr const char* kCampLocationSelectorClose = "CORVALE_CAMP_LOCATION_SELECTOR_CLOSE";
inline constexpr const char* kCampLocationChanged = "CORVALE_CAMP_LOCATION_CHANGED";
inline constexpr const char* kPlayerEnterCamp = "CORVALE_PLAYER_ENTER_CAMP";
inline constexpr const char* kMissionAccepted = "CORVALE_MISSION_ACCEPTED";
inline constexpr const char* kMissionFinished = "CORVALE_MISSION_FINISHED";

// Camp statistics (published by the camp, or sent by any script to change them)
inline constexpr const char* kInfluenceSet = "CORVALE_INFLUENCE_SET";
inline constexpr const char* kLawAwarenessSet = "CORVALE_LAW_AWARENESS_SET";
inline constexpr const char* kModifyInfluence = "CORVALE_MODIFY_INFLUENCE";
inline constexpr const char* kModifyLawAwareness = "CORVALE_MODIFY_LAW_AWARENESS";

} // namespace corvale::events
