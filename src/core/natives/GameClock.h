#pragma once
// The game timer: milliseconds that run with the game, not with the wall clock.
#include <cstdint>

namespace corvale {

int32_t GameTimerMs();

} // namespace corvale
