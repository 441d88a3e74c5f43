#include "business/BusinessMain.h"

#include "business/BusinessScript.h"
#include "core/data/GameData.h"
#include "core/events/EventInbox.h"
#include "core/natives/Script.h"
#include "core/platform/Platform.h"

#include <exception>

namespace corvale::business {

void BusinessMain() {
    platform::SeedRandom(platform::TickCount());
    // The handover and the model waits are resumed every frame: none may cost an event.
    events::KeepEventsWhileWaiting(events::Reader::Business);
    // The plug-in's process-wide objects, made here at start-up and handed to the script:
    // the host never returns from this loop, so they live as long as the game.
    GameData data;
    BusinessScript script(data);
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
