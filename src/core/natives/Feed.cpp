#include "core/natives/Feed.h"

namespace corvale {

namespace {
constexpr uint64_t kSetCachedObjective = 0xfa233f8fe190514c;
constexpr uint64_t kPrintCachedObjective = 0xe9990552dec71600;
constexpr uint64_t kClearCachedObjective = 0xdff0d417277b41f8;
constexpr uint64_t kPostHelpText = 0x049d5c615bd38bad;
constexpr uint64_t kPostSampleToast = 0x26e87218390e6729;
constexpr uint64_t kPostSampleToastRight = 0xb249ebcb30dd88e0;
} // namespace

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
