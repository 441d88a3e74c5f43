// Control prompts: built in steps, shown and enabled by the plug-ins, used by the player.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

Prompt* Find(Simulator& sim, const NativeArgs& a, const char* what) {
    Prompt* p = sim.world().prompts.find(a.i(0));
    if (!p) sim.fault(std::string(what) + " on an unknown prompt " + std::to_string(a.i(0)));
    return p;
}

NativeHandler SetMode(const char* mode) {
    return [mode](Simulator& sim, const NativeArgs& a, NativeResult&) {
        if (Prompt* p = Find(sim, a, "prompt mode")) p->mode = mode;
    };
}

// The player completes a prompt during the frame after the scenario's "prompt" command.
NativeHandler UsedThisFrame() {
    return [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
        const Prompt* p = sim.world().prompts.find(a.i(0));
        r.setBool(p && p->usedInFrame == sim.world().frame);
    };
}

} // namespace

void RegisterPromptNatives(NativeTable& t) {
    t.add(0x04f97de45a519419, "_UI_PROMPT_REGISTER_BEGIN", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              Prompts& prompts = sim.world().prompts;
              const int32_t handle = prompts.nextHandle++;
              prompts.all[handle] = Prompt{};
              r.setInt(handle);
          });
    t.add(0xb5352b7494a08258, "_UI_PROMPT_SET_CONTROL_ACTION", "Prompt,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Prompt* p = Find(sim, a, "prompt control")) p->control = a.u(1);
          });
    t.add(0x5dd02a8318420dd7, "_UI_PROMPT_SET_TEXT", "Prompt,const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              Prompt* p = Find(sim, a, "prompt text");
              const std::string* text = sim.world().texts.resolve(a.raw(1));
              if (!text) sim.fault("prompt text is not a game text handle");
              if (p && text) p->text = *text;
          });
    t.add(0x74c7d7b72ed0d3cf, "_UI_PROMPT_SET_STANDARDIZED_HOLD_MODE", "Prompt,Hash",
          SetMode("standardized-hold"));
    t.add(0x94073d5ca3f16b7b, "_UI_PROMPT_SET_HOLD_MODE", "Prompt,int", SetMode("hold"));
    t.add(0xcc6656799977741b, "_UI_PROMPT_SET_STANDARD_MODE", "Prompt,BOOL", SetMode("standard"));
    t.add(0x2f11d3a254169ea4, "_UI_PROMPT_SET_GROUP", "Prompt,int,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Prompt* p = Find(sim, a, "prompt group")) p->group = a.i(1);
          });
    t.add(0xf7aa2696a22ad8b9, "_UI_PROMPT_REGISTER_END", "Prompt",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Prompt* p = Find(sim, a, "prompt end")) p->registered = true;
          });
    t.add(0x8a0fb4d03a630d21, "_UI_PROMPT_SET_ENABLED", "Prompt,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Prompt* p = Find(sim, a, "prompt enabled")) p->enabled = a.b(1);
          });
    t.add(0x71215accfde075ee, "_UI_PROMPT_SET_VISIBLE", "Prompt,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Prompt* p = Find(sim, a, "prompt visible")) p->visible = a.b(1);
          });
    t.add(0xe0f65f0640ef0617, "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", "Prompt", UsedThisFrame());
    t.add(0x2787cc611d3facc5, "_UI_PROMPT_IS_JUST_PRESSED", "Prompt", UsedThisFrame());
}

} // namespace sim
