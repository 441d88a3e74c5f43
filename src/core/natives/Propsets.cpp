#include "core/natives/Propsets.h"

#include "core/log/Log.h"
#include "core/natives/GameClock.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"

#include <string>

namespace corvale {

namespace {
constexpr uint64_t kRequestPropSet = 0xf3de57a46d5585e9;
constexpr uint64_t kHasPropSetLoaded = 0x48a88fc684c55fdc;
constexpr uint64_t kCreatePropSet = 0x899c97a1cce7d483;
constexpr uint64_t kReleasePropSet = 0xb1964a83b345b4ab;
constexpr uint64_t kDoesPropSetExist = 0x7dddcf815e650ff5;
constexpr uint64_t kDeletePropSet = 0x58ac173a55d9d7b4;
constexpr uint64_t kIsPropSetFullyLoaded = 0xf42db680a8b2a4d9;
constexpr uint64_t kSetPropSetAsNoLongerNeeded = 0x909e3c7fae539fb1;

constexpr int32_t kLoadLimitMs = 2000;
} // namespace

PropSet SpawnPropset(const char* name, const Vector3& position, float heading) {
    return SpawnPropset(HashString(name), position, heading);
}

PropSet SpawnPropset(Hash name, const Vector3& position, float heading) {
    Invoke<bool>(kRequestPropSet, name);
    const int32_t start = GameTimerMs();
    bool loaded = Invoke<bool>(kHasPropSetLoaded, name);
    while (!loaded && GameTimerMs() - start <= kLoadLimitMs) {
        Invoke<bool>(kRequestPropSet, name);
        ScriptWait(0);
        loaded = Invoke<bool>(kHasPropSetLoaded, name);
    }
    if (!loaded) {
        Log("failed to load propset: " + std::to_string(static_cast<int32_t>(name)));
        return 0;
    }
    const PropSet propset = Invoke<PropSet>(kCreatePropSet, name, position.x, position.y,
                                            position.z, 0, heading, 0.0f, true, true);
    Invoke<bool>(kReleasePropSet, name);
    return propset;
}

bool PropSetExists(PropSet propset) {
    return Invoke<bool>(kDoesPropSetExist, propset);
}

bool IsPropSetLoaded(PropSet propset) {
    return Invoke<bool>(kIsPropSetFullyLoaded, propset);
}

void DeletePropSet(PropSet propset, bool withProps, bool flag) {
    Invoke(kDeletePropSet, propset, withProps, flag);
}

void ReleasePropSet(PropSet propset) {
    Invoke(kSetPropSetAsNoLongerNeeded, propset);
}

} // namespace corvale
