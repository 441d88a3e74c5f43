#pragma once
// The five prompts of the business plug-in, created once at start. Each frame they are all
// hidden first; the steps that apply enable and show theirs, then poll them.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

struct BusinessTexts;

// How a prompt reports that the player used it.
enum class PromptFires { OnHoldCompleted, OnJustPressed };

class BusinessPrompt {
  public:
    // Mode calls: standardized hold, hold, or standard; group 0 means none.
    enum class Mode { StandardizedHold, Hold, Standard };

    void create(const char* control, const char* text, Mode mode, int32_t group, PromptFires fires);
    // Enabled and visible for this frame (applied at once).
    void set(bool enabled, bool visible);
    void hide() { set(false, false); }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    // True when the player used it this frame while it is shown and enabled.
    bool fired() const { return enabled_ && visible_ && used(); }
    // The game's answer alone, for a prompt offered on the frame before.
    bool used() const;
    PromptHandle handle() const { return handle_; }

  private:
    PromptHandle handle_ = 0;
    PromptFires fires_ = PromptFires::OnHoldCompleted;
    bool enabled_ = false;
    bool visible_ = false;
};

struct BusinessPrompts {
    BusinessPrompt ledger;  // opens the still menu, in the camp ledger's prompt group
    BusinessPrompt sell;    // starts a delivery at the wagon
    BusinessPrompt confirm; // buys a recipe or sets a flavour
    BusinessPrompt select;  // opens a page from the main page
    BusinessPrompt back;    // one page back, or closes the menu

    void create(const BusinessTexts& texts);
    void hideAll();
};

} // namespace corvale::business
