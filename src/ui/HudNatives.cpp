#include "ui/HudNatives.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTextColour = 0x16fa5ce47f184f1e;
constexpr uint64_t kDisplayText = 0x16794e044c9efb58;
constexpr uint64_t kSetCachedObjective = 0xfa233f8fe190514c;
constexpr uint64_t kPrintCachedObjective = 0xe9990552dec71600;
constexpr uint64_t kClearCachedObjective = 0xdff0d417277b41f8;
constexpr uint64_t kPostHelpText = 0x049d5c615bd38bad;
constexpr uint64_t kPostSampleToast = 0x26e87218390e6729;
constexpr uint64_t kPostSampleToastRight = 0xb249ebcb30dd88e0;
} // namespace

void SetTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    Invoke(kSetTextColour, red, green, blue, alpha);
}

void DisplayText(uint64_t text, float x, float y) {
    Invoke(kDisplayText, native::Raw64{text}, x, y);
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
