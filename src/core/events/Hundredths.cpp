#include "core/events/Hundredths.h"

#include <cmath>
#include <limits>

namespace corvale::events {

namespace {
// How far, in units in the last place, a float may sit from the hundredth it stands for:
// one rounding when stored plus a few from the arithmetic that produced it.
constexpr float kUlpSlack = 4.0f;
} // namespace

int32_t ToHundredths(float value) {
    if (std::isnan(value)) return 0;
    const double scaled = static_cast<double>(value) * 100.0;
    constexpr double kLimit = static_cast<double>(std::numeric_limits<int32_t>::max());
    if (scaled >= kLimit) return std::numeric_limits<int32_t>::max();
    if (scaled <= -kLimit) return -std::numeric_limits<int32_t>::max();
    const double nearest = std::round(scaled);
    const float whole = static_cast<float>(nearest / 100.0);
    const float ulp =
        std::nextafter(std::fabs(whole), std::numeric_limits<float>::infinity()) - std::fabs(whole);
    if (std::fabs(value - whole) <= kUlpSlack * ulp) return static_cast<int32_t>(nearest);
    return static_cast<int32_t>(std::trunc(scaled));
}

} // namespace corvale::events
