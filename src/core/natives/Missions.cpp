#include "core/natives/Missions.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kSetMissionFlag{0x36694b456be80d0a, "SET_MISSION_FLAG", "BOOL"};
} // namespace

void SetMissionFlag(bool on) {
    Invoke(kSetMissionFlag, on);
}

} // namespace corvale
