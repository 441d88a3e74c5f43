#pragma once
// The world moving on by one frame: tasks progress, vehicles drive, items come out of
// hands, recent events fade.
namespace sim {

class Simulator;

void AdvanceWorld(Simulator& sim);

} // namespace sim
