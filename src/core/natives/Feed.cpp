#include "core/natives/Feed.h"

namespace corvale {

namespace {
// The message line is the objective line the game prints from its cache.
constexpr uint64_t kSetCachedObjective = 0xfa233f8fe190514c;
constexpr uint64_t kPrintCachedObjective = 0xe9990552dec71600;
constexpr uint64_t kClearCachedObjective = 0xdff0d417277b41f8;
// Feed entries, the toast on the right being the transaction feed.
constexpr uint64_t kPostHelpText = 0x049d5c615bd38bad;
constexpr uint64_t kPostSampleToast = 0x26e87218390e6729;
constexpr uint64_t kPostSampleToastRight = 0xb249ebcb30dd88e0;
constexpr bool kImmediately = true;
} // namespace

void PrintObjectiveMessage(uint64_t text) {
    Invoke(kSetCachedObjective, native::Raw64{text});
    Invoke(kPrintCachedObjective);
    Invoke(kClearCachedObjective);
}

void PostHelpFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostHelpText, display, content, kImmediately);
}

void PostToastFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostSampleToast, display, content, kImmediately, true);
}

void PostSideToastFeed(uint64_t* display, uint64_t* content) {
    Invoke<int32_t>(kPostSampleToastRight, display, content, kImmediately);
}

} // namespace corvale
