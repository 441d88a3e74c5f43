#include "core/natives/Missions.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kSetMissionFlag = 0x36694b456be80d0a;
} // namespace

void SetMissionFlag(bool on) {
    Invoke(kSetMissionFlag, on);
}

} // namespace corvale
