#include "core/natives/HudContexts.h"

namespace corvale {

namespace {
constexpr uint64_t kEnableHudContextThisFrame = 0xc9caeaeec1256e54;
} // namespace

void EnableHudContextThisFrame(Hash context) {
    Invoke(kEnableHudContextThisFrame, context);
}

} // namespace corvale
