#pragma once
// The models and prop sets of the camp set, asked for together and waited for over frames:
// a build after it waits inside its frame for none of them (each is loaded, or its give-up
// is logged and answered at once).
#include "core/natives/NativeCall.h"
#include "missions/SceneStreaming.h"

namespace corvale {

class CampSetStreaming final {
  public:
    CampSetStreaming();

    // Asks the game for all of them; the waits' limits count from now.
    void request();
    // One poll a frame: true once each has loaded or given up.
    bool over();

  private:
    SceneStreaming waits_;
    Hash group_;
};

} // namespace corvale
