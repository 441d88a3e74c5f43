#include "core/natives/HudContexts.h"

namespace corvale {

namespace {
constexpr uint64_t kEnableHudContext = 0x4cc5f2fc1332577f;
constexpr uint64_t kDisableHudContext = 0x8bc7c1f929d07bf3;
constexpr uint64_t kEnableHudContextThisFrame = 0xc9caeaeec1256e54;
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
