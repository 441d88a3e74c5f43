#pragma once
// What the on-site part of a sabotage is handed by the camp's start-up: the texts, what the
// player is told and taught, the debug tools, the named timers and the guards' senses.
#include "ai/GuardSenses.h"
#include "core/natives/DebugTools.h"

namespace corvale {

class GameData;
class NamedTimers;
class Notifications;
class Tutorials;

struct InfiltrationKit {
    const GameData& data; // "Lang.dat" texts
    Notifications& notifications;
    Tutorials& tutorials;
    const DebugTools& debugTools;
    NamedTimers& timers;
    const GuardSenses& senses;
};

} // namespace corvale
