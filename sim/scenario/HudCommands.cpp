// What the plug-ins showed: drawn texts, help texts, toasts, and snapshots of the screen.
#include "Snapshot.h"
#include "scenario/Commands.h"

#include <filesystem>

namespace sim {

namespace {

std::string Quoted(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) {
        if (out.size() > 300) return out + ", ...";
        out += (out.empty() ? "\"" : ", \"") + t + "\"";
    }
    return out.empty() ? "none" : out;
}

// "expect KIND "TEXT" [COUNT]": shown with exactly TEXT at least once, or exactly COUNT times.
void ExpectShown(ScenarioRun& run, const Command& c, const std::vector<std::string>& shown) {
    const std::string& text = Arg(c, 2);
    int64_t n = 0;
    for (const std::string& s : shown)
        n += s == text;
    if (c.words.size() > 3) {
        const int64_t count = ArgInt(c, 3);
        return run.expect(c, n == count, std::to_string(n) + " times among " + Quoted(shown));
    }
    run.expect(c, n > 0, Quoted(shown));
}

} // namespace

void RegisterHudCommands(CommandRegistry& r) {
    r.add("expect text", [](ScenarioRun& run, const Command& c) {
        const std::string& text = Arg(c, 2);
        std::vector<std::string> drawn;
        bool found = false;
        for (const DrawnText& t : run.sim().world().screen.texts) {
            drawn.push_back(t.text);
            found = found || t.text.find(text) != std::string::npos;
        }
        run.expect(c, found, Quoted(drawn));
    });
    r.add("expect help", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> shown;
        for (const HelpText& h : run.sim().world().screen.helpTexts)
            shown.push_back(h.text);
        ExpectShown(run, c, shown);
    });
    r.add("expect toast", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> shown;
        for (const Toast& t : run.sim().world().screen.toasts)
            shown.push_back(t.title);
        ExpectShown(run, c, shown);
    });
    r.add("snapshot", [](ScenarioRun& run, const Command& c) {
        const std::string& name = Arg(c, 1);
        if (name.find('/') != std::string::npos || name.find("..") != std::string::npos)
            throw ScenarioError(c.file + ":" + std::to_string(c.line) +
                                ": a snapshot name is a plain name");
        const std::string& dir = run.settings().snapshotDir;
        if (dir.empty()) return run.sim().trace("snapshot " + name + " skipped: no --snapshot-dir");
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        const std::string path = (std::filesystem::path(dir) / (name + ".svg")).string();
        if (!WriteSnapshot(path, run.sim().world().screen))
            throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": cannot write " + path);
        run.sim().trace("snapshot " + path);
    });
}

} // namespace sim
