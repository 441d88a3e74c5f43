#include "core/natives/Propsets.h"
#include "core/natives/Native.h"

#include "core/natives/GameClock.h"
#include "core/natives/GaveUp.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/timers/Elapsed.h"


namespace corvale {

namespace {
constexpr native::Native kRequestPropSet{0xf3de57a46d5585e9, "_REQUEST_PROP_SET", "Hash"};
constexpr native::Native kHasPropSetLoaded{0x48a88fc684c55fdc, "_HAS_PROP_SET_LOADED", "Hash"};
constexpr native::Native kCreatePropSet{0x899c97a1cce7d483, "_CREATE_PROP_SET_2",
                                        "Hash,float,float,float,int,float,float,BOOL,BOOL"};
constexpr native::Native kReleasePropSet{0xb1964a83b345b4ab, "_RELEASE_PROP_SET", "Hash"};
constexpr native::Native kDoesPropSetExist{0x7dddcf815e650ff5, "DOES_PROP_SET_EXIST", "PropSet"};
constexpr native::Native kDeletePropSet{0x58ac173a55d9d7b4, "_DELETE_PROP_SET",
                                        "PropSet,BOOL,BOOL"};
constexpr native::Native kIsPropSetFullyLoaded{0xf42db680a8b2a4d9, "IS_PROP_SET_FULLY_LOADED",
                                               "PropSet"};
constexpr native::Native kSetPropSetAsNoLongerNeeded{
    0x909e3c7fae539fb1, "_SET_PROP_SET_AS_NO_LONGER_NEEDED", "PropSet"};

constexpr int32_t kLoadLimitMs = 2000;
} // namespace

PropSet SpawnPropset(const char* name, const Vector3& position, float heading) {
    return SpawnPropset(HashString(name), position, heading);
}

PropSet SpawnPropset(Hash name, const Vector3& position, float heading) {
    Invoke<bool>(kRequestPropSet, name);
    const int32_t start = GameTimerMs();
    bool loaded = Invoke<bool>(kHasPropSetLoaded, name);
    // A set that gave up a moment ago is not waited for again.
    const bool waitFor = !GaveUpRecently(name);
    if (loaded) ForgetGaveUp(name);
    while (waitFor && !loaded && ElapsedSince(start) <= kLoadLimitMs) {
        Invoke<bool>(kRequestPropSet, name);
        ScriptWait(0);
        loaded = Invoke<bool>(kHasPropSetLoaded, name);
    }
    if (!loaded) {
        if (!waitFor) return 0;
        GiveUp("propset", name);
        return 0;
    }
    const PropSet propset = Invoke<PropSet>(kCreatePropSet, name, position.x, position.y,
                                            position.z, 0, heading, 0.0f, true, true);
    Invoke<bool>(kReleasePropSet, name);
    return propset;
}

bool PropSetWaitOver(Hash name, int32_t start) {
    if (Invoke<bool>(kHasPropSetLoaded, name)) {
        ForgetGaveUp(name);
        return true;
    }
    if (GaveUpRecently(name)) return true;
    if (ElapsedSince(start) <= kLoadLimitMs) {
        Invoke<bool>(kRequestPropSet, name);
        return false;
    }
    GiveUp("propset", name);
    return true;
}

bool PropSetLoaded(Hash name) {
    return Invoke<bool>(kHasPropSetLoaded, name);
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
