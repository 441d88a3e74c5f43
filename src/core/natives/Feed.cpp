#include "core/natives/Feed.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
// The message line is the objective line the game prints from its cache.
constexpr native::Native kSetCachedObjective{0xfa233f8fe190514c, "_UILOG_SET_CACHED_OBJECTIVE",
                                             "const char*"};
constexpr native::Native kPrintCachedObjective{0xe9990552dec71600, "_UILOG_PRINT_CACHED_OBJECTIVE",
                                               ""};
constexpr native::Native kClearCachedObjective{0xdff0d417277b41f8, "_UILOG_CLEAR_CACHED_OBJECTIVE",
                                               ""};
// Feed entries, the toast on the right being the transaction feed.
constexpr native::Native kPostHelpText{0x049d5c615bd38bad, "_UI_FEED_POST_HELP_TEXT",
                                       "Any*,Any*,BOOL"};
constexpr native::Native kPostSampleToast{0x26e87218390e6729, "_UI_FEED_POST_SAMPLE_TOAST",
                                          "Any*,Any*,BOOL,BOOL"};
constexpr native::Native kPostSampleToastRight{
    0xb249ebcb30dd88e0, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", "Any*,Any*,BOOL"};
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
