// What the plug-ins showed: drawn texts and sprites, help texts, toasts, sounds, and
// snapshots of the screen.
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

// "expect text|no-text "TEXT"": a text drawn during the last frame contains TEXT, or none does.
void ExpectDrawn(ScenarioRun& run, const Command& c, bool wanted) {
    const std::string& text = Arg(c, 2);
    std::vector<std::string> drawn;
    bool found = false;
    for (const DrawnText& t : run.sim().world().screen.texts) {
        drawn.push_back(t.text);
        found = found || t.text.find(text) != std::string::npos;
    }
    run.expect(c, found == wanted, Quoted(drawn));
}

} // namespace

void RegisterHudCommands(CommandRegistry& r) {
    r.add("expect text", "TEXT",
          [](ScenarioRun& run, const Command& c) { ExpectDrawn(run, c, true); });
    r.add("expect no-text", "TEXT",
          [](ScenarioRun& run, const Command& c) { ExpectDrawn(run, c, false); });
    // expect sprite TEXTURE [ALPHA]: drawn during the last frame (with that alpha).
    r.add("expect sprite", "TEXTURE [ALPHA:int]", [](ScenarioRun& run, const Command& c) {
        const std::string& texture = Arg(c, 2);
        const bool anyAlpha = c.words.size() < 4;
        const int64_t alpha = anyAlpha ? 0 : ArgInt(c, 3);
        std::vector<std::string> drawn;
        bool found = false;
        for (const DrawnSprite& s : run.sim().world().screen.sprites) {
            drawn.push_back(s.texture + " alpha " + std::to_string(s.colour.a));
            found = found || (s.texture == texture && (anyAlpha || s.colour.a == alpha));
        }
        run.expect(c, found, Quoted(drawn));
    });
    // expect sound NAME [COUNT]: played at least once, or exactly COUNT times, so far.
    r.add("expect sound", "NAME [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> played;
        for (const PlayedSound& s : run.sim().world().screen.sounds)
            played.push_back(s.sound);
        ExpectShown(run, c, played);
    });
    // expect said LINE [COUNT]: a ped spoke that line at least once, or exactly COUNT times.
    r.add("expect said", "LINE [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> said;
        for (const SpokenLine& l : run.sim().world().peds.said)
            said.push_back(l.line);
        ExpectShown(run, c, said);
    });
    r.add("expect help", "TEXT [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> shown;
        for (const HelpText& h : run.sim().world().screen.helpTexts)
            shown.push_back(h.text);
        ExpectShown(run, c, shown);
    });
    // expect cash-feed "TEXT" [COUNT]: cash feed entries showing TEXT ("$70.00").
    r.add("expect cash-feed", "TEXT [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> shown;
        for (const FeedEntry& e : run.sim().world().screen.feed)
            if (e.kind == FeedEntry::Kind::Cash) shown.push_back(e.text);
        ExpectShown(run, c, shown);
    });
    r.add("expect toast", "TITLE [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        std::vector<std::string> shown;
        for (const Toast& t : run.sim().world().screen.toasts)
            shown.push_back(t.title);
        ExpectShown(run, c, shown);
    });
    r.add("snapshot", "NAME", [](ScenarioRun& run, const Command& c) {
        const std::string& name = Arg(c, 1);
        if (name.find('/') != std::string::npos || name.find("..") != std::string::npos)
            Fail(c, "a snapshot name is a plain name");
        const std::string& dir = run.settings().snapshotDir;
        if (dir.empty()) return run.sim().trace("snapshot " + name + " skipped: no --snapshot-dir");
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        const std::string path = (std::filesystem::path(dir) / (name + ".svg")).string();
        if (!WriteSnapshot(path, run.sim().world())) Fail(c, "cannot write " + path);
        run.sim().trace("snapshot " + path);
    });
}

} // namespace sim
