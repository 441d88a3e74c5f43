#include "core/natives/Models.h"
#include "core/natives/Native.h"

#include "core/natives/GameClock.h"
#include "core/natives/GaveUp.h"
#include "core/natives/Script.h"
#include "core/timers/Elapsed.h"

namespace corvale {

namespace {
constexpr native::Native kRequestModel{0xfa28fe3a6246fc30, "REQUEST_MODEL", "Hash,BOOL"};
constexpr native::Native kHasModelLoaded{0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash"};
} // namespace

void RequestModel(Hash model) {
    Invoke(kRequestModel, model, false);
}

bool ModelLoaded(Hash model) {
    return Invoke<bool>(kHasModelLoaded, model);
}

bool ModelWaitOver(Hash model, int32_t start) {
    if (ModelLoaded(model)) {
        ForgetGaveUp(model);
        return true;
    }
    if (GaveUpRecently(model)) return true;
    if (ElapsedSince(start) < kModelWaitLimitMs) return false;
    GiveUp("model", model);
    return true;
}

bool ModelWait::over(Hash model) {
    if (!asked_) {
        if (!ModelLoaded(model)) RequestModel(model);
        since_ = GameTimerMs();
        asked_ = true;
    }
    if (!ModelWaitOver(model, since_)) return false;
    asked_ = false;
    return true;
}

bool AwaitModel(Hash model) {
    if (GaveUpRecently(model)) {
        if (!ModelLoaded(model)) return false;
        ForgetGaveUp(model);
        return true;
    }
    const int32_t start = GameTimerMs();
    while (!ModelLoaded(model)) {
        if (ElapsedSince(start) >= kModelWaitLimitMs) {
            GiveUp("model", model);
            return false;
        }
        ScriptWait(0);
    }
    return true;
}

} // namespace corvale
