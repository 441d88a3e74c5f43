#pragma once
// What the camp's start-up hands every mission: the kit that tells the player, and the debug
// tools, whose switch decides whether a clean-up deletes or releases what a mission made.
#include "core/natives/DebugTools.h"
#include "ui/Notifications.h"

namespace corvale {

struct MissionKit {
    Notifications& notifications;
    const DebugTools& debugTools;
};

} // namespace corvale
