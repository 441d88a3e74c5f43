#include "business/BusinessMain.h"

#include "business/BusinessScript.h"
#include "core/natives/Script.h"
#include "core/platform/Platform.h"

#include <exception>

namespace corvale::business {

void BusinessMain() {
    platform::SeedRandom(platform::TickCount());
    // The plug-in's one script object, made here at start-up: the host never returns from
    // this loop, so it lives as long as the game.
    BusinessScript script;
    // An exception leaving this entry would cross into the host and end the game: a failed
    // start-up step keeps the defaults, a failed frame gives up the rest of that frame.
    try {
        script.start();
    } catch (...) {
    }
    for (;;) {
        try {
            script.frame();
        } catch (...) {
        }
        ScriptWait(0);
    }
}

} // namespace corvale::business
