#include "chaos/Hunt.h"

#include "chaos/Faults.h"
#include "chaos/Player.h"
#include "chaos/Rules.h"
#include "chaos/Shrink.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace sim::chaos {

namespace {

namespace fs = std::filesystem;

struct RuleBroken {
    BrokenRule rule;
};

// The wait the rule broke in is cut to end soon after the break, so that every replay of
// the finding is as short as the finding.
void CutLastWait(Command& last, const BrokenRule& b, int32_t startedMs, uint64_t startedFrame) {
    if (last.words.size() < 2) return;
    if (last.words[0] == "seconds") {
        const int64_t needed = (b.gameTimer - startedMs) / 1000 + 2;
        if (needed < std::stod(last.words[1])) last.words[1] = std::to_string(needed);
    } else if (last.words[0] == "frames") {
        const uint64_t needed = b.frame - startedFrame + 30;
        if (needed < std::stoull(last.words[1])) last.words[1] = std::to_string(needed);
    }
}

std::string Story(const HuntSettings& s, const BrokenRule& b) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "Found by corvale-sim --chaos %llu: rule %s broken at frame %llu (%.3f s of "
                  "game time):\n%s",
                  static_cast<unsigned long long>(s.seed), b.rule.c_str(),
                  static_cast<unsigned long long>(b.frame), b.gameTimer / 1000.0, b.what.c_str());
    return text;
}

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    return bool(out);
}

Replay ReplayOf(const HuntSettings& s, const std::string& rule) {
    Replay r;
    r.self = s.self;
    r.options = {"--plugins",  s.run.options.pluginDir,
                 "--data",     s.run.dataDir,
                 "--frame-ms", std::to_string(s.run.options.frameMs),
                 "--seed",     std::to_string(s.run.options.seed)};
    r.rule = rule;
    r.scratch = s.outDir + "/chaos-" + std::to_string(s.seed) + "-candidate.scn";
    return r;
}

// Writes the finding, then cuts it down; prints where both are.
void Report(const HuntSettings& s, const BrokenRule& b, const std::vector<Command>& played) {
    const std::string story = Story(s, b);
    std::printf("chaos %llu: %s\n", static_cast<unsigned long long>(s.seed), story.c_str());
    const std::string base = s.outDir + "/chaos-" + std::to_string(s.seed);
    if (!Write(base + ".scn", FindingText(played, story)))
        std::fprintf(stderr, "error: cannot write %s.scn\n", base.c_str());
    std::printf("chaos %llu: %zu commands written to %s.scn\n",
                static_cast<unsigned long long>(s.seed), played.size(), base.c_str());
    if (s.shrinkSeconds <= 0 || s.self.empty()) return;
    const Replay replay = ReplayOf(s, b.rule);
    if (!BreaksAgain(replay, played, std::max(60.0, s.shrinkSeconds))) {
        std::printf("chaos %llu: the written commands do not break %s again\n",
                    static_cast<unsigned long long>(s.seed), b.rule.c_str());
        return;
    }
    const std::vector<Command> fewest = Shrink(replay, played, s.shrinkSeconds);
    Write(base + "-short.scn",
          FindingText(fewest,
                      story + "\nCut down from " + std::to_string(played.size()) + " commands."));
    std::error_code ec;
    fs::remove(replay.scratch, ec);
    fs::remove(replay.scratch + ".out", ec);
    std::printf("chaos %llu: cut down to %zu commands in %s-short.scn\n",
                static_cast<unsigned long long>(s.seed), fewest.size(), base.c_str());
}

} // namespace

int Hunt(const HuntSettings& settings) {
    HuntSettings s = settings;
    s.outDir = fs::absolute(s.outDir).lexically_normal().string();
    std::error_code ec;
    fs::create_directories(s.outDir, ec);
    const std::string name = "chaos-" + std::to_string(s.seed);
    std::vector<Command> played;
    ScenarioRun run(s.run);
    Player player(s.seed);
    Faults faults(s.seed);
    run.rulesOn(Command{name, 0, {"rules", "on"}, {}});
    run.rules()->onBreak = [](const BrokenRule& b) { throw RuleBroken{b}; };
    int32_t startedMs = 0;
    uint64_t startedFrame = 0;
    auto play = [&](Words words) {
        Command c{name, int(played.size()) + 2, std::move(words), {}};
        CheckScenario({c});
        played.push_back(c);
        if (s.echo) std::printf("%s\n", c.text().c_str());
        startedMs = run.sim().world().gameTimer;
        startedFrame = run.sim().world().frame;
        try {
            run.execute(c);
        } catch (const ScenarioError& e) {
            // What he meant to do is not there any more (the ped he turned to died on the
            // way): the step is not played, nor written down.
            played.pop_back();
            if (s.echo) std::printf("# not played: %s\n", e.what());
        }
    };
    const int64_t end = static_cast<int64_t>(s.minutes * 60000.0);
    try {
        Random start(s.seed ^ 0xC0FFEEull);
        play({"player", "cash", std::to_string(start.between(0, 60000))});
        play({"player", "at", "-275.0", "700.0", "118.4"});
        play({"frames", "10"});
        while (run.sim().world().gameTimer < end) {
            Words words = faults.next(run.sim().world());
            const bool restart = !words.empty() && words[0] == "restart";
            if (words.empty()) words = player.next(run.sim().world());
            // The run ends on time: a long wait is cut at the end.
            const int64_t left = end - run.sim().world().gameTimer;
            if (words[0] == "seconds" && std::stod(words[1]) * 1000.0 > double(left))
                words[1] = std::to_string(left / 1000 + 1);
            play(std::move(words));
            if (restart) play({"seconds", std::to_string(Faults::kRestartLoadSeconds)});
        }
    } catch (const RuleBroken& b) {
        CutLastWait(played.back(), b.rule, startedMs, startedFrame);
        Report(s, b.rule, played);
        return 1;
    } catch (const ScenarioError& e) {
        std::fprintf(stderr, "chaos %llu: error: %s\n", static_cast<unsigned long long>(s.seed),
                     e.what());
        return 2;
    }
    std::printf("chaos %llu: %.1f minutes of game time, %zu commands, no rule broken\n",
                static_cast<unsigned long long>(s.seed), run.sim().world().gameTimer / 60000.0,
                played.size());
    return 0;
}

} // namespace sim::chaos
