// Expectations on the log, files and the run's health.
#include "scenario/Commands.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace sim {

namespace fs = std::filesystem;

namespace {

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

// Lines of the camp log that contain text.
int LogLinesWith(ScenarioRun& run, const std::string& text) {
    std::ifstream in(run.gamePath("Corvale/Camp.log"), std::ios::binary);
    std::string line;
    int n = 0;
    while (std::getline(in, line))
        if (line.find(text) != std::string::npos) ++n;
    return n;
}

std::string Shorten(const std::string& s) {
    return s.size() > 200 ? s.substr(0, 200) + "..." : s;
}

} // namespace

void RegisterExpectCommands(CommandRegistry& r) {
    r.add("expect log", "TEXT [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        const int n = LogLinesWith(run, Arg(c, 2));
        if (c.words.size() > 3)
            return run.expect(c, n == ArgInt(c, 3), std::to_string(n) + " such lines");
        run.expect(c, n > 0, "no such line in Corvale/Camp.log");
    });
    r.add("expect no-log", "TEXT", [](ScenarioRun& run, const Command& c) {
        const int n = LogLinesWith(run, Arg(c, 2));
        run.expect(c, n == 0, std::to_string(n) + " such lines");
    });
    r.add("expect file", "PATH:path contains|lacks|equals TEXT / PATH:path missing",
          [](ScenarioRun& run, const Command& c) {
              const std::string path = run.gamePath(Arg(c, 2));
              const std::string& mode = Arg(c, 3);
              std::string content;
              const bool exists = ReadFile(path, content);
              if (mode == "missing") return run.expect(c, !fs::exists(path), "the file exists");
              if (!exists) return run.expect(c, false, "no such file");
              if (mode == "contains")
                  return run.expect(c, content.find(Arg(c, 4)) != std::string::npos,
                                    Shorten(content));
              if (mode == "lacks")
                  return run.expect(c, content.find(Arg(c, 4)) == std::string::npos,
                                    Shorten(content));
              if (mode == "equals")
                  return run.expect(c, content == Arg(c, 4), "\"" + Shorten(content) + "\"");
              Fail(c, "expect file PATH contains|lacks|equals|missing");
          });
    r.add("expect no-fault", "", [](ScenarioRun& run, const Command& c) {
        std::string found;
        for (const std::string& f : run.sim().faults())
            found += "fault: " + f + "; ";
        for (const std::string& m : run.sim().world().messages)
            if (m.rfind("Fatal: ", 0) == 0) found += "message: " + m + "; ";
        run.expect(c, found.empty(), found);
    });
}

} // namespace sim
