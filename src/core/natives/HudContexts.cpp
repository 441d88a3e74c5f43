#include "core/natives/HudContexts.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kEnableHudContext{0x4cc5f2fc1332577f, "_ENABLE_HUD_CONTEXT", "Hash"};
constexpr native::Native kDisableHudContext{0x8bc7c1f929d07bf3, "_DISABLE_HUD_CONTEXT", "Hash"};
constexpr native::Native kEnableHudContextThisFrame{0xc9caeaeec1256e54,
                                                    "_ENABLE_HUD_CONTEXT_THIS_FRAME", "Hash"};
} // namespace

void EnableHudContext(Hash context) {
    Invoke(kEnableHudContext, context);
}
void DisableHudContext(Hash context) {
    Invoke(kDisableHudContext, context);
}
void EnableHudContextThisFrame(Hash context) {
    Invoke(kEnableHudContextThisFrame, context);
}

} // namespace corvale
