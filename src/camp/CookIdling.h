#pragma once
// The cook, when he has nothing to do, wanders off to another spot of the camp.

namespace corvale {

class CampInterface;
class GameData;
class NamedTimers;

// Sends the idle cook to a scenario spot near the camp now and then; his idle timer is the
// named timer keyed by his handle.
void RotateCookScenario(const CampInterface& campSet, NamedTimers& timers, const GameData& data);

} // namespace corvale
