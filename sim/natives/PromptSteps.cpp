// Control prompts: registration, text, group, mode, enabled and visible, completion.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

// Every prompt native but registration names an existing prompt; anything else is a bug
// in the caller (a prompt used after removal).
PromptState* Find(Simulator& sim, const NativeArgs& a, const char* native) {
    PromptState* p = sim.world().prompts.find(a.i(0));
    if (!p) sim.fault(std::string(native) + " of unknown prompt " + std::to_string(a.i(0)));
    return p;
}

using PromptSetter = void (*)(Simulator&, PromptState&, const NativeArgs&);

NativeHandler OnPrompt(const char* native, PromptSetter set) {
    return [native, set](Call& c) {
        if (PromptState* p = Find(c.sim, c.a, native)) set(c.sim, *p, c.a);
    };
}

NativeHandler Completed(const char* native, PromptMode m1, PromptMode m2) {
    return [=](Call& c) {
        PromptState* p = Find(c.sim, c.a, native);
        c.r.setBool(p && (p->mode == m1 || p->mode == m2) && p->pressedDuring(c.w.frame));
    };
}

void SetText(Simulator& sim, PromptState& p, const NativeArgs& a) {
    const std::string* text = sim.world().texts.resolve(a.raw(1));
    if (!text) return sim.fault("_UI_PROMPT_SET_TEXT with a text that is not a game text handle");
    p.text = *text;
}

void SetVisible(Simulator&, PromptState& p, const NativeArgs& a) {
    const bool show = a.b(1);
    p.shownOnce = p.shownOnce || show;
    p.visible = show;
}

} // namespace

void RegisterPromptStepNatives(NativeTable& t) {
    t.add(0x04f97de45a519419, "_UI_PROMPT_REGISTER_BEGIN", "", [](Call& c) {
        Prompts& prompts = c.w.prompts;
        const int32_t handle = prompts.nextHandle++;
        prompts.all[handle] = PromptState{};
        c.r.setInt(handle);
    });
    t.add(0xb5352b7494a08258, "_UI_PROMPT_SET_CONTROL_ACTION", "Prompt,Hash",
          OnPrompt("_UI_PROMPT_SET_CONTROL_ACTION",
                   [](Simulator&, PromptState& p, const NativeArgs& a) { p.control = a.u(1); }));
    t.add(0x5dd02a8318420dd7, "_UI_PROMPT_SET_TEXT", "Prompt,const char*",
          OnPrompt("_UI_PROMPT_SET_TEXT", SetText));
    t.add(0x2f11d3a254169ea4, "_UI_PROMPT_SET_GROUP", "Prompt,int,int",
          OnPrompt("_UI_PROMPT_SET_GROUP",
                   [](Simulator&, PromptState& p, const NativeArgs& a) { p.group = a.i(1); }));
    t.add(
        0xcc6656799977741b, "_UI_PROMPT_SET_STANDARD_MODE", "Prompt,BOOL",
        OnPrompt("_UI_PROMPT_SET_STANDARD_MODE", [](Simulator&, PromptState& p, const NativeArgs&) {
            p.mode = PromptMode::Standard;
        }));
    t.add(0x94073d5ca3f16b7b, "_UI_PROMPT_SET_HOLD_MODE", "Prompt,int",
          OnPrompt("_UI_PROMPT_SET_HOLD_MODE", [](Simulator&, PromptState& p, const NativeArgs&) {
              p.mode = PromptMode::Hold;
          }));
    t.add(0x74c7d7b72ed0d3cf, "_UI_PROMPT_SET_STANDARDIZED_HOLD_MODE", "Prompt,Hash",
          OnPrompt("_UI_PROMPT_SET_STANDARDIZED_HOLD_MODE",
                   [](Simulator&, PromptState& p, const NativeArgs&) {
                       p.mode = PromptMode::StandardizedHold;
                   }));
    t.add(0x560e76d5e2e1803f, "_UI_PROMPT_SET_ATTRIBUTE", "Prompt,int,BOOL",
          OnPrompt("_UI_PROMPT_SET_ATTRIBUTE", [](Simulator&, PromptState& p, const NativeArgs& a) {
              p.attributes[a.i(1)] = a.b(2);
          }));
    t.add(0xf7aa2696a22ad8b9, "_UI_PROMPT_REGISTER_END", "Prompt",
          OnPrompt("_UI_PROMPT_REGISTER_END",
                   [](Simulator&, PromptState& p, const NativeArgs&) { p.registered = true; }));
    t.add(0x8a0fb4d03a630d21, "_UI_PROMPT_SET_ENABLED", "Prompt,BOOL",
          OnPrompt("_UI_PROMPT_SET_ENABLED",
                   [](Simulator&, PromptState& p, const NativeArgs& a) { p.enabled = a.b(1); }));
    t.add(0x71215accfde075ee, "_UI_PROMPT_SET_VISIBLE", "Prompt,BOOL",
          OnPrompt("_UI_PROMPT_SET_VISIBLE", SetVisible));
    // Every entity has a prompt group of its own.
    t.add(0xb796970bd125fce8, "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY", "Entity",
          [](Call& c) {
              c.r.setInt(c.w.entity(c.i(0)) ? static_cast<int32_t>(EntityPromptGroup(c.i(0)))
                                            : 0);
          });
    t.add(0xc65a45d4453c2627, "_UI_PROMPT_SET_ACTIVE_GROUP_THIS_FRAME",
          "Hash,const char*,int,int,int,Prompt", [](Call& c) {
              Prompts& prompts = c.w.prompts;
              const std::string* title = c.w.texts.resolve(c.raw(1));
              prompts.activate(c.u(0), title ? *title : c.s(1) ? c.s(1) : "", c.w.frame);
              c.r.setInt(0);
          });
    t.add(0x00ede88d4d13cf59, "_UI_PROMPT_DELETE", "Prompt", [](Call& c) {
        if (PromptState* p = Find(c.sim, c.a, "_UI_PROMPT_DELETE")) {
            c.sim.trace("prompt removed: " + p->text);
            c.w.prompts.all.erase(c.i(0));
        }
    });
    t.add(0xc92ac953f0a982ae, "_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", "Prompt,int",
          Completed("_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", PromptMode::Standard,
                    PromptMode::Standard));
    t.add(0xe0f65f0640ef0617, "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", "Prompt",
          Completed("_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", PromptMode::Hold,
                    PromptMode::StandardizedHold));
    t.add(0x845ce958416dc473, "_UI_PROMPT_HAS_MASH_MODE_COMPLETED", "Prompt",
          Completed("_UI_PROMPT_HAS_MASH_MODE_COMPLETED", PromptMode::Mash, PromptMode::Mash));
    // The control went down this frame, whatever the prompt's mode.
    t.add(0x2787cc611d3facc5, "_UI_PROMPT_IS_JUST_PRESSED", "Prompt", [](Call& c) {
        const PromptState* p = Find(c.sim, c.a, "_UI_PROMPT_IS_JUST_PRESSED");
        c.r.setBool(p && p->justPressedIn(c.w.frame));
    });
}

} // namespace sim
