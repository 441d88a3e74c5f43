#pragma once
// Work done in steps over frames, as a camp move or a hand-over at the buyer: each step
// names the next and how long before it comes. Once a frame, advance takes every step whose
// wait is over and returns, so no frame waits inside it.
#include "core/timers/Elapsed.h"

#include <cstdint>

namespace corvale {

inline constexpr int32_t kStepNow = -1;      // the next step in this same frame
inline constexpr int32_t kStepNextFrame = 0; // the next step on the next frame

// Step: an enum with a None, the chain's end.
template <typename Step> class StepChain {
  public:
    bool underWay() const { return step_ != Step::None; }
    // The next step, after ms of game time (kStepNextFrame, kStepNow or more).
    void then(Step step, int32_t ms) {
        fresh_ = true;
        again(step, ms);
    }
    // The same step again after ms: it is not its first frame.
    void again(Step step, int32_t ms) {
        step_ = step;
        waitStart_ = GameTimerMs();
        waitMs_ = ms;
    }
    void stop() { step_ = Step::None; }

    // take(step, first) does a step's work, first on the first frame that step runs, and
    // names what comes next. A step that names nothing, or throws, leaves the chain at
    // ifThrown (None: ended). True when the chain has ended.
    template <typename Take> bool advance(Take&& take, Step ifThrown = Step::None) {
        if (step_ == Step::None) return true;
        if (waitMs_ != kStepNow && ElapsedSince(waitStart_) < waitMs_) return false;
        waitMs_ = kStepNow;
        while (step_ != Step::None) {
            const Step step = step_;
            const bool first = fresh_;
            fresh_ = false;
            step_ = ifThrown;
            take(step, first);
            if (waitMs_ != kStepNow) return false;
        }
        return true;
    }

  private:
    Step step_ = Step::None;
    int32_t waitStart_ = 0;
    int32_t waitMs_ = kStepNow;
    bool fresh_ = true;
};

} // namespace corvale
