#pragma once
// The game's string hash: Jenkins one-at-a-time over the lower-cased text.
#include <cstdint>
#include <string_view>

namespace sim {

uint32_t GameHash(std::string_view text);

} // namespace sim
