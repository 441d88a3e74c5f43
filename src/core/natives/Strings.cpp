#include "core/natives/Strings.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kGetHashKey{0xfd340785adf8cfb7, "GET_HASH_KEY", "const char*"};
constexpr native::Native kVarString{0xfa925ac00eb830b9, "VAR_STRING", "int,..."};
constexpr int32_t kLiteralStringFlags = 10;
constexpr int32_t kItemNameFlags = 0;
constexpr int32_t kCashStringFlags = 2;
constexpr int32_t kColourStringFlags = 42;
} // namespace

Hash HashString(const char* text) { return Invoke<Hash>(kGetHashKey, text); }

uint64_t TextLiteral(const char* text) {
    return Invoke<uint64_t>(kVarString, kLiteralStringFlags, "LITERAL_STRING", text);
}

uint64_t ColouredText(uint64_t text) {
    return Invoke<uint64_t>(kVarString, kColourStringFlags, "COLOR_STRING", 0, native::Raw64{text});
}

uint64_t ItemNameText(Hash item) { return Invoke<uint64_t>(kVarString, kItemNameFlags, item); }

uint64_t CashAmountText(int32_t cents) {
    return Invoke<uint64_t>(kVarString, kCashStringFlags, "CASH_STRING", cents);
}

} // namespace corvale
