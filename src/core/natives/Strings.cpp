#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kGetHashKey = 0xfd340785adf8cfb7;
constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr int32_t kLiteralStringFlags = 10;
} // namespace

Hash HashString(const char* text) { return Invoke<Hash>(kGetHashKey, text); }

uint64_t TextLiteral(const char* text) {
    return Invoke<uint64_t>(kVarString, kLiteralStringFlags, "LITERAL_STRING", text);
}

} // namespace corvale
