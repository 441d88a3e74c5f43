#pragma once
// The one place where data-file and settings text becomes a number. Behaves like std::stoi
// and std::stof (leading blanks and a sign allowed, trailing text ignored) but throws with
// the same description on every platform, since the player sees it in the "Fatal: " line:
//   std::invalid_argument "invalid stoi argument" / "invalid stof argument"
//   std::out_of_range     "stoi argument out of range" / "stof argument out of range"
#include <cstdint>

namespace corvale {

// Decimal 32-bit integer at the start of a NUL-terminated text.
int32_t ParseInt(const char* text);

// Floating-point number at the start of a NUL-terminated text, as strtof reads it.
float ParseFloat(const char* text);

// The same reads without throwing, for outside data read during a frame: false, and out
// untouched, where ParseInt would throw.
bool TryParseInt(const char* text, int32_t& out);
// Also false for a number that is not finite ("nan", "inf"): no tuning value means either.
bool TryParseFloat(const char* text, float& out);

} // namespace corvale
