// Setting the game folder up before the first frame.
#include "scenario/Commands.h"

#include <filesystem>
#include <fstream>

namespace sim {

namespace fs = std::filesystem;

void RegisterSetupCommands(CommandRegistry& r) {
    r.add("file", "PATH:path <<", [](ScenarioRun& run, const Command& c) {
        const fs::path path = run.gamePath(Arg(c, 1));
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : c.body)
            out << line << '\n';
        if (!out) Fail(c, "cannot write " + path.string());
    });
    r.add("delete", "PATH:path", [](ScenarioRun& run, const Command& c) {
        std::error_code ec;
        fs::remove_all(run.gamePath(Arg(c, 1)), ec);
    });
    r.add("plugins", "camp|business|both", [](ScenarioRun& run, const Command& c) {
        const std::string& which = Arg(c, 1);
        if (run.sim().attached()) Fail(c, "plugins must come before the first frame");
        if (which == "camp")
            run.setPlugins({"camp"});
        else if (which == "business")
            run.setPlugins({"business"});
        else if (which == "both")
            run.setPlugins({"camp", "business"});
        else
            Fail(c, "plugins camp|business|both");
    });
}

} // namespace sim
