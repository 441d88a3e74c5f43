#pragma once
// The cook rescue's blip at the jail, locked while the player cannot pay the camp's fee.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

class JailMarker final {
  public:
    JailMarker();
    JailMarker(const JailMarker&) = delete;
    JailMarker& operator=(const JailMarker&) = delete;

    // The mission blip at the point, named.
    void show(const Vector3& at, const char* name);
    bool shown() const { return blip_ != 0; }
    // Marked as locked, once.
    void lock();
    void unlock();
    void remove();

  private:
    Blip blip_ = 0;
    bool locked_ = false;
    Hash sprite_, lockedModifier_;
};

} // namespace corvale
