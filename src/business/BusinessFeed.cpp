#include "business/BusinessFeed.h"

#include "business/BusinessTexts.h"
#include "core/natives/Audio.h"
#include "core/natives/TextureDictionaries.h"
#include "core/timers/Elapsed.h"

namespace corvale::business {

namespace {
constexpr const char* kToastIcons = "blips_mp";
constexpr int32_t kToastMs = 5000;
constexpr int32_t kIconWaitMs = 2000;
constexpr int32_t kCashFeedMs = 1000;
} // namespace

void BusinessFeed::announceBatchReady(int32_t now) {
    toastWaits_ = true;
    iconRequested_ = false;
    toastSince_ = now;
}

// The icon is asked for on the next frame, then the toast waits for it a frame at a time.
void BusinessFeed::tick(int32_t now, const BusinessTexts& texts) {
    if (!toastWaits_) return;
    const bool loaded = TextureDictLoaded(kToastIcons);
    if (!loaded && ElapsedMs(now, toastSince_) <= kIconWaitMs) {
        if (!iconRequested_) RequestTextureDict(kToastIcons);
        iconRequested_ = true;
        return;
    }
    toastWaits_ = false;
    PostToast(toast_, texts.batchReady.title, texts.batchReady.body, kToastIconsMp,
              kIconBusinessMoonshine, kToastMs);
}

void BusinessFeed::showPayment(int32_t cents) {
    PostCashChange(cash_, cents, kCashFeedMs);
    PlaySoundFrontend("Transaction_Positive", "Transaction_Feed_Sounds");
}

} // namespace corvale::business
