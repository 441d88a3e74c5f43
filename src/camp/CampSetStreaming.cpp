#include "camp/CampSetStreaming.h"

#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/Propsets.h"
#include "core/natives/Strings.h"
#include "site/CampSetModels.h"

namespace corvale {

CampSetStreaming::CampSetStreaming()
    : propSets_{HashString(camp_set::kGroup), HashString(camp_set::kCookWorkSpot)},
      models_{HashString(camp_set::kCrate), HashString(camp_set::kHitchingPost),
              HashString(camp_set::kCook), HashString(camp_set::kGuard)} {}

void CampSetStreaming::request() {
    start_ = GameTimerMs();
    for (bool& done : done_)
        done = false;
    for (const Hash model : models_)
        if (!ModelLoaded(model)) RequestModel(model);
    // Prop sets are asked for on each poll, as their spawn asks each frame.
}

bool CampSetStreaming::over() {
    bool all = true;
    for (int i = 0; i < kPropSets; ++i) {
        if (!done_[i]) done_[i] = PropSetWaitOver(propSets_[i], start_);
        all = all && done_[i];
    }
    // Without the camp group the build stops at once: its models are not waited for.
    if (done_[0] && !PropSetLoaded(propSets_[0])) return true;
    for (int i = 0; i < kModels; ++i) {
        bool& done = done_[kPropSets + i];
        if (!done) done = ModelWaitOver(models_[i], start_);
        all = all && done;
    }
    return all;
}

} // namespace corvale
