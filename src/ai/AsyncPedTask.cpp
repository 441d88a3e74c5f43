#include "ai/AsyncPedTask.h"

#include "core/natives/Entity.h"
#include "core/natives/Sequences.h"

namespace corvale {

void AsyncPedTask::tick() {
    if (delay_ < 1) {
        onTick();
        return;
    }
    --delay_;
}

bool CanTakeTask(Ped ped) {
    return ped != 0 && EntityExists(ped) && !IsEntityDead(ped);
}

// A deleted ped is not dead to the game's death test, so existence is asked first.
bool SequenceTaskFinished(Ped ped) {
    return !CanTakeTask(ped) || SequenceProgress(ped) == -1;
}

} // namespace corvale
