// The player completing prompts, and expectations on what prompts show.
#include "scenario/Commands.h"

namespace sim {

namespace {

std::string States(const std::vector<const PromptState*>& prompts) {
    if (prompts.empty()) return "no such prompt";
    std::string out;
    for (const PromptState* p : prompts) {
        if (!out.empty()) out += "; ";
        out += std::string(p->visible ? "visible" : "hidden") + ", " +
               (p->enabled ? "enabled" : "disabled");
    }
    return out;
}

} // namespace

void RegisterPromptCommands(CommandRegistry& r) {
    // prompt "TEXT" [FRAMES]: the player completes the visible, enabled prompt showing TEXT
    // during the next frame; a hold prompt is held for FRAMES frames (default 1).
    r.add("prompt", "TEXT [FRAMES:count]", [](ScenarioRun& run, const Command& c) {
        const int64_t frames = c.words.size() > 2 ? ArgInt(c, 2) : 1;
        if (frames < 1) Fail(c, "a prompt is held at least one frame");
        World& w = run.sim().world();
        if (!w.prompts.press(Arg(c, 1), w.frame, static_cast<uint64_t>(frames)))
            Fail(c, "no visible and enabled prompt shows \"" + Arg(c, 1) + "\"");
    });
    // expect prompt "TEXT" visible|hidden|enabled|disabled
    r.add("expect prompt", "TEXT visible|hidden|enabled|disabled",
          [](ScenarioRun& run, const Command& c) {
              const auto prompts = run.sim().world().prompts.withText(Arg(c, 2));
              const std::string& state = Arg(c, 3);
              bool anyVisible = false, anyEnabled = false;
              for (const PromptState* p : prompts) {
                  anyVisible = anyVisible || p->visible;
                  anyEnabled = anyEnabled || p->enabled;
              }
              bool held;
              if (state == "visible")
                  held = anyVisible;
              else if (state == "hidden")
                  held = !anyVisible;
              else if (state == "enabled")
                  held = anyEnabled;
              else if (state == "disabled")
                  held = !prompts.empty() && !anyEnabled;
              else
                  Fail(c, "expect prompt \"TEXT\" visible|hidden|enabled|disabled");
              run.expect(c, held, States(prompts));
          });
}

} // namespace sim
