#pragma once
// The weather as the game reports it now.

namespace corvale {

// The wind's speed; ordinary values lie between 0 and 100.
float WindSpeed();
// How hard it rains; 0 dry, 1 a downpour.
float RainLevel();

} // namespace corvale
