#pragma once
// The prop sets and models of a mission's scene, asked for together and waited for over
// frames: the scene placed after it waits inside its frame for none of them (each has loaded,
// or its give-up was logged and a spawn of it answers at once).
#include "core/natives/NativeCall.h"
#include "core/runtime/InlineVector.h"

#include <cstdint>

namespace corvale {

class SceneStreaming final {
  public:
    // What is to be waited for; asked for by start.
    void addPropSet(Hash propSet);
    void addModel(Hash model);
    // Asks the game for all of them; the waits' limits count from now.
    void start();
    // One poll a frame: true once each has loaded or given up.
    bool over();
    // Whether the wait for that one is over (as of the last poll).
    bool overFor(Hash hash) const;

  private:
    struct Wait {
        Hash hash = 0;
        bool propSet = false;
        bool done = false;
    };
    // A rival camp has at most four prop sets, and the guards' model.
    InlineVector<Wait, 8> waits_;
    int32_t start_ = 0;
};

} // namespace corvale
