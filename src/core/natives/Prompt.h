#pragma once
// An on-screen control prompt ("Hold E to open the ledger"), owned by the object that made it.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Prompt groups of the game's own: the camp ledger's, where the still's menu prompt joins the
// camp's ledger prompts, and the delivery wagon's.
inline constexpr int32_t kLedgerPromptGroup = static_cast<int32_t>(0x87a59ac9u);
inline constexpr int32_t kWagonPromptGroup = static_cast<int32_t>(0xe31b1f81u);

// How a prompt reports that the player used it.
enum class PromptPoll {
    ByKind,        // the kind's own rule (see completed)
    HoldCompleted, // the game's hold-completed answer, on every frame it gives it
    JustPressed,   // the prompt's control pressed this frame
};

struct PromptSetup {
    // Kinds: 0 press, 1 and 2 hold, 3 and 5 standardized hold; any other gets no mode.
    int32_t kind = 0;
    // The prompt group it is made in (0: none).
    int32_t group = 0;
    PromptPoll poll = PromptPoll::ByKind;
    // Made as the game's own prompts are (attribute 18 asked, the group set even when none);
    // a menu's prompts are made plainly, the group set only when there is one.
    bool gameAttributes = true;
};

class Prompt {
  public:
    // No prompt yet: create makes it.
    Prompt() = default;
    // The text is kept by pointer and must outlive the prompt. Starts hidden and enabled.
    Prompt(const char* text, Hash control, int32_t kind);
    Prompt(const Prompt&) = delete;
    Prompt& operator=(const Prompt&) = delete;

    void create(const char* text, Hash control, const PromptSetup& setup);

    void show();
    void hide();
    void setEnabled(bool enabled);
    // Both at once (two game calls, as show or hide alone).
    void set(bool enabled, bool visible);
    // The wish alone; commit tells the game, and only what differs from what it was last
    // told. A menu that hides every prompt at the top of a frame and shows some again calls
    // the game only for the prompts that changed.
    void want(bool enabled, bool visible);
    void commit();
    // Wish and commit at once: shown (enabled or not), or taken off the screen. A frame on
    // which nothing changed costs no game call.
    void offer(bool enabled);
    void withdraw();
    // Puts the prompt in a prompt group (0: none).
    void setGroup(int32_t group);
    // Puts the prompt in the prompt group of an entity (a ledger, a still); 0 takes it out.
    void setGroupFrom(Entity source);
    void remove();
    // Polled once a frame: true when the player completed it while it is shown and enabled.
    // By kind: a held hold-kind prompt (2, 3, 5) reports once per hold.
    bool completed();
    // The game's answer alone, whatever the prompt's state now: for a prompt offered on the
    // frame before and hidden since.
    bool answer();

    int32_t handle() const { return handle_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    const char* text() const { return text_; }
    Hash control() const { return control_; }
    int32_t group() const { return group_; }
    int32_t kind() const { return setup_.kind; }

  private:
    void apply();
    bool answerByKind();

    PromptHandle handle_ = 0;
    bool enabled_ = true;
    bool visible_ = false;
    bool toldEnabled_ = false; // what the game was last told, in apply's terms
    bool toldVisible_ = false;
    const char* text_ = "";
    Hash control_ = 0;
    int32_t group_ = 0;
    PromptSetup setup_;
    bool holdLatch_ = false;
};

} // namespace corvale
