// Expectations on the world: cash, items, prompts, the frame's screen, sounds, cameras.
#include "Hash.h"
#include "scenario/Commands.h"

namespace sim {

namespace {

[[noreturn]] void Bad(const Command& c, const std::string& what) {
    throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": " + what);
}

std::string DrawnTexts(const World& w) {
    std::string all;
    for (const DrawnText& t : w.screen.texts)
        all += (all.empty() ? "" : " | ") + t.text;
    return all.size() > 400 ? all.substr(0, 400) + "..." : all;
}

bool Drawn(const World& w, const std::string& text) {
    for (const DrawnText& t : w.screen.texts)
        if (t.text.find(text) != std::string::npos) return true;
    return false;
}

} // namespace

void RegisterWorldExpectCommands(CommandRegistry& r) {
    r.add("expect cash", [](ScenarioRun& run, const Command& c) {
        const int64_t cash = run.sim().world().player.cashCents;
        run.expect(c, cash == ArgInt(c, 2), std::to_string(cash));
    });
    r.add("expect item", [](ScenarioRun& run, const Command& c) {
        const auto& items = run.sim().world().player.items;
        auto it = items.find(GameHash(Arg(c, 2)));
        const int32_t n = it == items.end() ? 0 : it->second;
        run.expect(c, n == ArgInt(c, 3), std::to_string(n));
    });
    r.add("expect prompt", [](ScenarioRun& run, const Command& c) {
        const std::string& state = Arg(c, 3);
        // Several prompts may show the same text: the visible one speaks for it.
        const Prompt* found = nullptr;
        for (const auto& [handle, p] : run.sim().world().prompts.all) {
            if (p.removed || p.text != Arg(c, 2)) continue;
            if (!found || (p.visible && !found->visible)) found = &p;
        }
        if (!found) return run.expect(c, false, "no prompt shows that text");
        std::string now = std::string(found->visible ? "visible" : "hidden") + ", " +
                          (found->enabled ? "enabled" : "disabled");
        if (state == "visible") return run.expect(c, found->visible, now);
        if (state == "hidden") return run.expect(c, !found->visible, now);
        if (state == "enabled") return run.expect(c, found->enabled, now);
        if (state == "disabled") return run.expect(c, !found->enabled, now);
        Bad(c, "expect prompt TEXT visible|hidden|enabled|disabled");
    });
    r.add("expect text", [](ScenarioRun& run, const Command& c) {
        const World& w = run.sim().world();
        run.expect(c, Drawn(w, Arg(c, 2)), DrawnTexts(w));
    });
    r.add("expect no-text", [](ScenarioRun& run, const Command& c) {
        const World& w = run.sim().world();
        run.expect(c, !Drawn(w, Arg(c, 2)), DrawnTexts(w));
    });
    r.add("expect sprite", [](ScenarioRun& run, const Command& c) {
        // expect sprite TEXTURE [ALPHA]: drawn during the last frame (with that alpha).
        const World& w = run.sim().world();
        std::string seen;
        for (const DrawnSprite& s : w.screen.sprites) {
            if (s.texture != Arg(c, 2)) continue;
            if (c.words.size() < 4 || s.colour.a == ArgInt(c, 3)) return run.expect(c, true);
            seen += "alpha " + std::to_string(s.colour.a) + " ";
        }
        run.expect(c, false, seen.empty() ? "not drawn" : seen);
    });
    r.add("expect sound", [](ScenarioRun& run, const Command& c) {
        // expect sound NAME [COUNT]: played so far (at least once, or exactly COUNT times).
        int n = 0;
        for (const PlayedSound& s : run.sim().world().screen.sounds)
            n += s.name == Arg(c, 2);
        const bool held = c.words.size() > 3 ? n == ArgInt(c, 3) : n > 0;
        run.expect(c, held, std::to_string(n) + " times");
    });
    r.add("expect camera", [](ScenarioRun& run, const Command& c) {
        // expect camera on|off: the game renders through an active scripted camera.
        const Cameras& cams = run.sim().world().cameras;
        bool active = false;
        for (const auto& [handle, cam] : cams.all)
            active = active || cam.active;
        const bool on = cams.rendering && active;
        run.expect(c, on == ArgOnOff(c, 2), on ? "on" : "off");
    });
}

} // namespace sim
