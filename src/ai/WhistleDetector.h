#pragma once
// Whether the player is whistling, and how: a plain whistle can lure a guard; the long
// horse whistle is for the horse and guards ignore it.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

class WhistleDetector {
  public:
    enum Kind : int32_t { None = 0, Plain = 1, HorseLong = 2 };

    // Hashes the control, event and whistle names once.
    WhistleDetector();
    WhistleDetector(const WhistleDetector&) = delete;
    WhistleDetector& operator=(const WhistleDetector&) = delete;

    // Once per frame, after the player-state sampler. A whistle is forgotten after 210
    // frames without a new one, or as soon as the player gets louder.
    void update();

    bool isWhistling() const { return state_ != None; }
    int32_t whistleKind() const { return state_; }
    int32_t framesSinceWhistle() const { return framesSinceWhistle_; }

  private:
    // Reads this frame's whistle events; false ends the frame's update early.
    bool readWhistleEvents();

    Hash whistleControl_;
    Hash whistleEvent_;
    Hash horseWhistle_;
    int32_t state_ = None;
    int32_t framesSinceWhistle_ = 0;
    float lastNoiseLevel_ = 0.0f;
};

} // namespace corvale
