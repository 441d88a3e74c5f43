#include "business/BusinessMain.h"

#include "core/natives/Script.h"
#include "core/platform/Platform.h"

namespace corvale::business {

void BusinessMain() {
    platform::SeedRandom(platform::TickCount());
    for (;;) {
        ScriptWait(0);
    }
}

} // namespace corvale::business
