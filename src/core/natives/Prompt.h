#pragma once
// An on-screen control prompt ("Hold E to open the ledger"), owned by the object that made it.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

class Prompt {
  public:
    // Kinds: 0 press, 1 and 2 hold, 3 and 5 standardized hold, 4 mash.
    // The text is kept by pointer and must outlive the prompt. Starts hidden and enabled.
    Prompt(const char* text, Hash control, int32_t kind);
    Prompt(const Prompt&) = delete;
    Prompt& operator=(const Prompt&) = delete;

    void show();
    void hide();
    void setEnabled(bool enabled);
    // Puts the prompt in a prompt group (0: none).
    void setGroup(int32_t group);
    // Puts the prompt in the prompt group of an entity (a ledger, a still); 0 takes it out.
    void setGroupFrom(Entity source);
    void remove();
    // Polled once a frame: true when the player completed it. A held hold-kind prompt
    // (2, 3, 5) reports once per hold.
    bool completed();

    int32_t handle() const { return handle_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    const char* text() const { return text_; }
    Hash control() const { return control_; }
    int32_t group() const { return group_; }
    int32_t kind() const { return kind_; }

  private:
    void apply();

    int32_t handle_ = 0;
    bool enabled_ = true;
    bool visible_ = false;
    const char* text_;
    Hash control_;
    int32_t group_ = 0;
    int32_t kind_;
    bool holdLatch_ = false;
};

} // namespace corvale
