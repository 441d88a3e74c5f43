#include "core/natives/Animation.h"

#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Script.h"
#include "core/platform/Stopwatch.h"

#include <string>

namespace corvale {

namespace {
constexpr uint64_t kDoesAnimDictExist = 0x537f44cb0d7f150d;
constexpr uint64_t kHasAnimDictLoaded = 0x27ff6fe8009b40ca;
constexpr uint64_t kRequestAnimDict = 0xa862a2ad321f94b4;
constexpr uint64_t kTaskPlayAnim = 0xea47fe3719165b94;
constexpr uint64_t kPlayEntityAnim = 0xdc6d22fab76d4874;

constexpr double kAnimWaitSeconds = 1.0;
constexpr uint32_t kAnimPollMs = 25;
constexpr int kSceneAnimTries = 501;
constexpr uint32_t kSceneAnimPollMs = 10;

bool AnimDictLoaded(const char* dict) {
    return Invoke<bool>(kHasAnimDictLoaded, dict);
}
void RequestAnimDict(const char* dict) {
    Invoke(kRequestAnimDict, dict);
}
} // namespace

void PlayAnim(Ped ped, const char* anim, const char* dict, int32_t duration, float blendIn,
              float blendOut, int32_t flags) {
    if (!Invoke<bool>(kDoesAnimDictExist, dict)) {
        Log(std::string("anim dict does not exist: ") + dict);
        return;
    }
    if (!AnimDictLoaded(dict)) {
        RequestAnimDict(dict);
        Stopwatch watch;
        watch.start();
        while (!AnimDictLoaded(dict) && watch.elapsed() <= kAnimWaitSeconds) {
            RequestAnimDict(dict);
            ScriptWait(kAnimPollMs);
        }
    }
    const char* const noName = nullptr;
    Invoke(kTaskPlayAnim, ped, dict, anim, blendIn, blendOut, duration, flags, 0.0f, false, 0,
           false, noName, false);
}

bool PlaySceneAnim(Entity entity, const char* anim, const char* dict, float speed, bool loop,
                   bool stayInAnim, float delta, int32_t flags) {
    for (int tries = 0; tries < kSceneAnimTries && !AnimDictLoaded(dict); ++tries) {
        RequestAnimDict(dict);
        ScriptWait(kSceneAnimPollMs);
        if (DebugToolsOn()) DrawBridgeDebugText((std::string("loading ") + dict).c_str());
    }
    return Invoke<bool>(kPlayEntityAnim, entity, anim, dict, speed, loop, stayInAnim, true, delta,
                        flags);
}

} // namespace corvale
