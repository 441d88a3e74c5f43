#pragma once
// Whether a location id names one of the places the camp can stand at.
#include <cstdint>

namespace corvale {

bool IsCampPlace(int32_t id);

} // namespace corvale
