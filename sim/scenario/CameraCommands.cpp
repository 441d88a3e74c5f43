// What the player sees through: the gameplay camera or a script's camera.
#include "scenario/Commands.h"

namespace sim {

void RegisterCameraCommands(CommandRegistry& r) {
    // expect camera on|off: the game shows an active scripted camera's view.
    r.add("expect camera", "on|off", [](ScenarioRun& run, const Command& c) {
        const bool on = run.sim().world().cameras.showing();
        run.expect(c, on == ArgOnOff(c, 2), on ? "on" : "off");
    });
}

} // namespace sim
