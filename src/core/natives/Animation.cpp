#include "core/natives/Animation.h"
#include "core/natives/Native.h"

#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Script.h"
#include "core/platform/Stopwatch.h"

#include <string>

namespace corvale {

namespace {
constexpr native::Native kDoesAnimDictExist{0x537f44cb0d7f150d, "DOES_ANIM_DICT_EXIST",
                                            "const char*"};
constexpr native::Native kHasAnimDictLoaded{0x27ff6fe8009b40ca, "HAS_ANIM_DICT_LOADED",
                                            "const char*"};
constexpr native::Native kRequestAnimDict{0xa862a2ad321f94b4, "REQUEST_ANIM_DICT", "const char*"};
constexpr native::Native kTaskPlayAnim{
    0xea47fe3719165b94, "TASK_PLAY_ANIM",
    "Ped,const char*,const char*,float,float,int,int,float,BOOL,int,BOOL,const char*,BOOL"};
constexpr native::Native kPlayEntityAnim{
    0xdc6d22fab76d4874, "PLAY_ENTITY_ANIM",
    "Entity,const char*,const char*,float,BOOL,BOOL,BOOL,float,Any"};

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
                   bool stayInAnim, float delta, int32_t flags, const DebugTools& debug) {
    for (int tries = 0; tries < kSceneAnimTries && !AnimDictLoaded(dict); ++tries) {
        RequestAnimDict(dict);
        ScriptWait(kSceneAnimPollMs);
        if (debug.on()) debug.drawText((std::string("loading ") + dict).c_str());
    }
    return Invoke<bool>(kPlayEntityAnim, entity, anim, dict, speed, loop, stayInAnim, true, delta,
                        flags);
}

} // namespace corvale
