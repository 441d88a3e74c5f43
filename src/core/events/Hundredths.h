#pragma once
// Fractions travel in script events as whole hundredths.
#include <cstdint>

namespace corvale::events {

// value x 100 truncated toward zero, except that a value within float error of a whole
// hundredth keeps it: 0.29 (stored as 0.28999999) gives 29, 0.057 gives 5. NaN gives 0;
// values beyond the 32-bit range saturate.
int32_t ToHundredths(float value);

} // namespace corvale::events
