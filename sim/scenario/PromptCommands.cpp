// The player completing prompts, and expectations on what prompts show: both read what the
// player sees at the end of the last frame, a grouped prompt only while its group shows.
#include "scenario/Commands.h"

namespace sim {

namespace {

// Why the prompts showing text are not what the player could press.
std::string Why(const Prompts& prompts, const std::vector<const PromptState*>& withText,
                uint64_t frame) {
    if (withText.empty()) return "no such prompt";
    std::string out;
    for (const PromptState* p : withText) {
        if (!out.empty()) out += "; ";
        if (!p->visible)
            out += "hidden";
        else if (!prompts.groupShown(*p, frame))
            out += "its group is not shown";
        else
            out += p->enabled ? "on screen" : "greyed";
    }
    return out;
}

std::string Seen(const Prompts& prompts, const std::vector<const PromptState*>& withText,
                 uint64_t frame) {
    return Why(prompts, withText, frame) + "; the player sees " + prompts.describeScreen(frame);
}

} // namespace

void RegisterPromptCommands(CommandRegistry& r) {
    // prompt "TEXT" [FRAMES]: the player completes the prompt showing TEXT that is on his
    // screen and enabled, during the next frame; a hold prompt is held for FRAMES frames
    // (default 1).
    r.add("prompt", "TEXT [FRAMES:count]", [](ScenarioRun& run, const Command& c) {
        const int64_t frames = c.words.size() > 2 ? ArgInt(c, 2) : 1;
        if (frames < 1) Fail(c, "a prompt is held at least one frame");
        World& w = run.sim().world();
        if (!w.prompts.press(Arg(c, 1), w.frame, static_cast<uint64_t>(frames)))
            Fail(c, "cannot press \"" + Arg(c, 1) + "\": " +
                        Seen(w.prompts, w.prompts.withText(Arg(c, 1)), w.frame));
    });
    // expect prompt "TEXT" visible|hidden|enabled|disabled: on the player's screen, not on
    // it, on it and usable, on it and greyed.
    r.add("expect prompt", "TEXT visible|hidden|enabled|disabled",
          [](ScenarioRun& run, const Command& c) {
              const World& w = run.sim().world();
              const auto prompts = w.prompts.withText(Arg(c, 2));
              const std::string& state = Arg(c, 3);
              bool anyVisible = false, anyEnabled = false;
              for (const PromptState* p : prompts) {
                  if (!w.prompts.onScreen(*p, w.frame)) continue;
                  anyVisible = true;
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
                  held = anyVisible && !anyEnabled;
              else
                  Fail(c, "expect prompt \"TEXT\" visible|hidden|enabled|disabled");
              run.expect(c, held, Seen(w.prompts, prompts, w.frame));
          });
}

} // namespace sim
