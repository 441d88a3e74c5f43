#pragma once
// The world of a game started again: what a quit game leaves behind.
namespace sim {

struct World;

// A new game's world after `old`: nothing the scripts made is there; the game timer, the
// clock and weather, the map and what never streams go on; the player stands where he was
// with his cash, items and weapon; what scenarios counted (messages, events sent) is kept.
World NewGameWorld(const World& old);

} // namespace sim
