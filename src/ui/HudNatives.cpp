#include "ui/HudNatives.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTextColour = 0x16fa5ce47f184f1e;
constexpr uint64_t kDisplayText = 0x16794e044c9efb58;
constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
constexpr uint64_t kSetCachedObjective = 0xfa233f8fe190514c;
constexpr uint64_t kPrintCachedObjective = 0xe9990552dec71600;
constexpr uint64_t kClearCachedObjective = 0xdff0d417277b41f8;
constexpr uint64_t kPostHelpText = 0x049d5c615bd38bad;
constexpr uint64_t kPostSampleToast = 0x26e87218390e6729;
constexpr uint64_t kPostSampleToastRight = 0xb249ebcb30dd88e0;

constexpr int32_t kItemNameFlags = 0;
constexpr int32_t kCashStringFlags = 2;
} // namespace

void SetTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    Invoke(kSetTextColour, red, green, blue, alpha);
}

void DisplayText(uint64_t text, float x, float y) {
    Invoke(kDisplayText, native::Raw64{text}, x, y);
}

uint64_t ItemNameText(Hash item) {
    return Invoke<uint64_t>(kVarString, kItemNameFlags, item);
}

uint64_t CashAmountText(int32_t cents) {
    return Invoke<uint64_t>(kVarString, kCashStringFlags, "CASH_STRING", cents);
}

void DrawSpriteCentred(const char* dictionary, const char* texture, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha) {
    Invoke(kDrawSprite, dictionary, texture, centreX, centreY, width, height, rotation, red, green,
           blue, alpha, true);
}

void PrintObjectiveMessage(uint64_t text) {
    Invoke(kSetCachedObjective, native::Raw64{text});
    Invoke(kPrintCachedObjective);
    Invoke(kClearCachedObjective);
}

void PostHelpFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostHelpText, display, content, true);
}

void PostToastFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostSampleToast, display, content, true, true);
}

void PostSideToastFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostSampleToastRight, display, content, true);
}

} // namespace corvale
