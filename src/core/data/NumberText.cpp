#include "core/data/NumberText.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace corvale {

int32_t ParseInt(const char* text) {
    char* end = nullptr;
    const int savedErrno = errno;
    errno = 0;
    // 64 bits wide even where long is 32, so that every 32-bit overflow is seen the same way.
    const long long value = std::strtoll(text, &end, 10);
    const bool overflow = errno == ERANGE;
    errno = savedErrno;
    if (end == text) throw std::invalid_argument("invalid stoi argument");
    if (overflow || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max())
        throw std::out_of_range("stoi argument out of range");
    return static_cast<int32_t>(value);
}

float ParseFloat(const char* text) {
    char* end = nullptr;
    const int savedErrno = errno;
    errno = 0;
    const float value = std::strtof(text, &end);
    const bool outOfRange = errno == ERANGE;
    errno = savedErrno;
    if (end == text) throw std::invalid_argument("invalid stof argument");
    if (outOfRange) throw std::out_of_range("stof argument out of range");
    return value;
}

} // namespace corvale
