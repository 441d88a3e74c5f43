// Pressing the game's controls.
#include "Hash.h"
#include "scenario/Commands.h"

namespace sim {

void RegisterControlCommands(CommandRegistry& r) {
    // "control INPUT_FRONTEND_ACCEPT": just pressed and just released during the next frame.
    r.add("control", "NAME", [](ScenarioRun& run, const Command& c) {
        const std::string& name = Arg(c, 1);
        const bool number = name.rfind("0x", 0) == 0 || name.rfind("hash:", 0) == 0;
        const uint32_t control = number ? static_cast<uint32_t>(ArgInt(c, 1)) : GameHash(name);
        run.ensureAttached();
        run.sim().world().controls.queued.insert(control);
    });
}

} // namespace sim
