#pragma once
// The game's own notion of a script mission being under way.

namespace corvale {

// On while one of our missions runs, so the game holds back its own encounters.
void SetMissionFlag(bool on);

} // namespace corvale
