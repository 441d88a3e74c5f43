#include "ai/WhistleDetector.h"

#include "core/log/Log.h"
#include "core/natives/AiEvents.h"
#include "core/natives/Controls.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"

#include <limits>

namespace corvale {

namespace {
constexpr int32_t kForgetAfterFrames = 210;
constexpr int32_t kWhistleDataSlots = 2;
} // namespace

WhistleDetector::WhistleDetector()
    : whistleControl_(HashString("INPUT_WHISTLE")), whistleEvent_(HashString("EVENT_PED_WHISTLE")),
      horseWhistle_(HashString("WHISTLEHORSELONG")) {}

void WhistleDetector::update() {
    if (framesSinceWhistle_ < std::numeric_limits<int32_t>::max()) ++framesSinceWhistle_;
    if (IsControlHeld(whistleControl_)) {
        state_ = Plain;
        framesSinceWhistle_ = 0;
    }
    if (!readWhistleEvents()) return;
    // The noise level matters only while a whistle is remembered, so a quiet frame costs
    // no more than the control and the event queue.
    if (state_ == None) return;
    const float noise = PlayerStealthNoise(PlayerIndex());
    const bool louder = noise > lastNoiseLevel_;
    if (framesSinceWhistle_ > 0 && (louder || framesSinceWhistle_ > kForgetAfterFrames))
        state_ = None;
    lastNoiseLevel_ = noise;
}

bool WhistleDetector::readWhistleEvents() {
    const int32_t count = AiEventCount();
    for (int32_t i = 0; i < count; ++i) {
        if (AiEventTypeAt(i) != whistleEvent_) continue;
        uint64_t data[kWhistleDataSlots] = {};
        if (!ReadAiEventData(i, data, kWhistleDataSlots)) {
            Log("WhistleDetector: WARN - data could not be retrieved for whistle event");
            return false;
        }
        const Ped whistler = static_cast<Ped>(static_cast<uint32_t>(data[0]));
        if (whistler != PlayerPed()) return false;
        framesSinceWhistle_ = 0;
        state_ = static_cast<Hash>(data[1]) == horseWhistle_ ? HorseLong : Plain;
    }
    return true;
}

} // namespace corvale
