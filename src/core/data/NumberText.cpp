#include "core/data/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace corvale {

namespace {

enum class Read { Ok, NoNumber, OutOfRange };

Read ReadInt(const char* text, int32_t& out) {
    char* end = nullptr;
    const int savedErrno = errno;
    errno = 0;
    // 64 bits wide even where long is 32, so that every 32-bit overflow is seen the same way.
    const long long value = std::strtoll(text, &end, 10);
    const bool overflow = errno == ERANGE;
    errno = savedErrno;
    if (end == text) return Read::NoNumber;
    if (overflow || value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max())
        return Read::OutOfRange;
    out = static_cast<int32_t>(value);
    return Read::Ok;
}

Read ReadFloat(const char* text, float& out) {
    char* end = nullptr;
    const int savedErrno = errno;
    errno = 0;
    const float value = std::strtof(text, &end);
    const bool outOfRange = errno == ERANGE;
    errno = savedErrno;
    if (end == text) return Read::NoNumber;
    if (outOfRange) return Read::OutOfRange;
    out = value;
    return Read::Ok;
}

} // namespace

int32_t ParseInt(const char* text) {
    int32_t value = 0;
    switch (ReadInt(text, value)) {
    case Read::NoNumber:
        throw std::invalid_argument("invalid stoi argument");
    case Read::OutOfRange:
        throw std::out_of_range("stoi argument out of range");
    case Read::Ok:
        break;
    }
    return value;
}

float ParseFloat(const char* text) {
    float value = 0.0f;
    switch (ReadFloat(text, value)) {
    case Read::NoNumber:
        throw std::invalid_argument("invalid stof argument");
    case Read::OutOfRange:
        throw std::out_of_range("stof argument out of range");
    case Read::Ok:
        break;
    }
    return value;
}

bool TryParseInt(const char* text, int32_t& out) {
    return text && ReadInt(text, out) == Read::Ok;
}

bool TryParseFloat(const char* text, float& out) {
    float value = 0.0f;
    if (!text || ReadFloat(text, value) != Read::Ok || !std::isfinite(value)) return false;
    out = value;
    return true;
}

} // namespace corvale
