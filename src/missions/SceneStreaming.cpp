#include "missions/SceneStreaming.h"

#include "core/natives/GameClock.h"
#include "core/natives/Models.h"
#include "core/natives/Propsets.h"

namespace corvale {

void SceneStreaming::addPropSet(Hash propSet) {
    waits_.push_back(Wait{propSet, true, false});
}

void SceneStreaming::addModel(Hash model) {
    waits_.push_back(Wait{model, false, false});
}

void SceneStreaming::start() {
    start_ = GameTimerMs();
    for (Wait& wait : waits_) {
        wait.done = false;
        if (!wait.propSet && !ModelLoaded(wait.hash)) RequestModel(wait.hash);
    }
    // Prop sets are asked for on each poll, as their spawn asks each frame.
}

bool SceneStreaming::over() {
    bool all = true;
    for (Wait& wait : waits_) {
        if (!wait.done)
            wait.done = wait.propSet ? PropSetWaitOver(wait.hash, start_)
                                     : ModelWaitOver(wait.hash, start_);
        all = all && wait.done;
    }
    return all;
}

bool SceneStreaming::overFor(Hash hash) const {
    for (const Wait& wait : waits_)
        if (wait.hash == hash) return wait.done;
    return false;
}

} // namespace corvale
