// Control prompts: registration, text, group, mode, enabled and visible, completion.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

// Every prompt native but registration names an existing prompt; anything else is a bug
// in the caller (a prompt used after removal).
PromptState* Find(Call& c) {
    PromptState* p = c.w.prompts.find(c.i(0));
    if (!p) c.sim.fault(std::string(c.name) + " of unknown prompt " + std::to_string(c.i(0)));
    return p;
}

// A native that sets something on the prompt in argument 0.
using PromptSetter = void (*)(PromptState&, Call&);

NativeHandler OnPrompt(PromptSetter set) {
    return [set](Call& c) {
        if (PromptState* p = Find(c)) set(*p, c);
    };
}

NativeHandler SetMode(PromptMode mode) {
    return [mode](Call& c) {
        if (PromptState* p = Find(c)) p->mode = mode;
    };
}

NativeHandler Completed(PromptMode m1, PromptMode m2) {
    return [=](Call& c) {
        PromptState* p = Find(c);
        c.r.setBool(p && (p->mode == m1 || p->mode == m2) && p->pressedDuring(c.w.frame));
    };
}

void SetText(PromptState& p, Call& c) {
    const std::string* text = c.w.texts.resolve(c.raw(1));
    if (!text)
        return c.sim.fault(std::string(c.name) + " with a text that is not a game text handle");
    p.text = *text;
}

void SetVisible(PromptState& p, Call& c) {
    const bool show = c.b(1);
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
          OnPrompt([](PromptState& p, Call& c) { p.control = c.u(1); }));
    t.add(0x5dd02a8318420dd7, "_UI_PROMPT_SET_TEXT", "Prompt,const char*", OnPrompt(SetText));
    t.add(0x2f11d3a254169ea4, "_UI_PROMPT_SET_GROUP", "Prompt,int,int",
          OnPrompt([](PromptState& p, Call& c) { p.group = c.i(1); }));
    t.add(0xcc6656799977741b, "_UI_PROMPT_SET_STANDARD_MODE", "Prompt,BOOL",
          SetMode(PromptMode::Standard));
    t.add(0x94073d5ca3f16b7b, "_UI_PROMPT_SET_HOLD_MODE", "Prompt,int", SetMode(PromptMode::Hold));
    t.add(0x74c7d7b72ed0d3cf, "_UI_PROMPT_SET_STANDARDIZED_HOLD_MODE", "Prompt,Hash",
          SetMode(PromptMode::StandardizedHold));
    t.add(0x560e76d5e2e1803f, "_UI_PROMPT_SET_ATTRIBUTE", "Prompt,int,BOOL",
          OnPrompt([](PromptState& p, Call& c) { p.attributes[c.i(1)] = c.b(2); }));
    t.add(0xf7aa2696a22ad8b9, "_UI_PROMPT_REGISTER_END", "Prompt",
          OnPrompt([](PromptState& p, Call&) { p.registered = true; }));
    t.add(0x8a0fb4d03a630d21, "_UI_PROMPT_SET_ENABLED", "Prompt,BOOL",
          OnPrompt([](PromptState& p, Call& c) { p.enabled = c.b(1); }));
    t.add(0x71215accfde075ee, "_UI_PROMPT_SET_VISIBLE", "Prompt,BOOL", OnPrompt(SetVisible));
    // Every entity has a prompt group of its own.
    t.add(0xb796970bd125fce8, "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY", "Entity", [](Call& c) {
        c.r.setInt(c.w.entity(c.i(0)) ? static_cast<int32_t>(EntityPromptGroup(c.i(0))) : 0);
    });
    t.add(0xc65a45d4453c2627, "_UI_PROMPT_SET_ACTIVE_GROUP_THIS_FRAME",
          "Hash,const char*,int,int,int,Prompt", [](Call& c) {
              Prompts& prompts = c.w.prompts;
              const std::string* title = c.w.texts.resolve(c.raw(1));
              prompts.activate(c.u(0), title ? *title : c.s(1) ? c.s(1) : "", c.w.frame);
              c.r.setInt(0);
          });
    t.add(0x00ede88d4d13cf59, "_UI_PROMPT_DELETE", "Prompt", [](Call& c) {
        if (PromptState* p = Find(c)) {
            c.sim.trace("prompt removed: " + p->text);
            c.w.prompts.all.erase(c.i(0));
        }
    });
    t.add(0xc92ac953f0a982ae, "_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", "Prompt,int",
          Completed(PromptMode::Standard, PromptMode::Standard));
    t.add(0xe0f65f0640ef0617, "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", "Prompt",
          Completed(PromptMode::Hold, PromptMode::StandardizedHold));
    t.add(0x845ce958416dc473, "_UI_PROMPT_HAS_MASH_MODE_COMPLETED", "Prompt",
          Completed(PromptMode::Mash, PromptMode::Mash));
    // The control went down this frame, whatever the prompt's mode.
    t.add(0x2787cc611d3facc5, "_UI_PROMPT_IS_JUST_PRESSED", "Prompt", [](Call& c) {
        const PromptState* p = Find(c);
        c.r.setBool(p && p->justPressedIn(c.w.frame));
    });
}

} // namespace sim
