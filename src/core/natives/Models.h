#pragma once
// Streaming of models: a model must be loaded before a ped or object of it is created.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

void RequestModel(Hash model);
bool ModelLoaded(Hash model);

// How long a spawn waits for its model, in game-timer milliseconds.
inline constexpr int32_t kModelWaitLimitMs = 10000;

// Polls once a frame until the requested model has loaded: true. After kModelWaitLimitMs of
// game time without it, logs "failed to load model: " with the hash as a signed decimal and
// gives up: false. For kGaveUpMemoryMs after that, the model is not waited for again: it
// answers at once, false unless it has loaded meanwhile.
bool AwaitModel(Hash model);
// The same wait polled once a frame from start on, by a script that must not wait inside its
// frame: true once it is over (loaded, or given up now or a moment ago, as AwaitModel).
bool ModelWaitOver(Hash model, int32_t start);

// A model asked for on the first poll and waited for over frames from then on: a spawn once
// it is over answers at once, loaded or given up.
class ModelWait {
  public:
    // One poll a frame: true once over; the next poll after that asks again.
    bool over(Hash model);
    // The wait is dropped (the spawn is put off): the next poll asks afresh.
    void reset() { asked_ = false; }

  private:
    bool asked_ = false;
    int32_t since_ = 0;
};

} // namespace corvale
