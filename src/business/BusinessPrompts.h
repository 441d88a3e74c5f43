#pragma once
// The five prompts of the business plug-in, created once at start. Each frame they are all
// hidden first; the steps that apply enable and show theirs, then poll them.
#include "core/natives/Prompt.h"

namespace corvale::business {

struct BusinessTexts;

struct BusinessPrompts {
    Prompt ledger;  // opens the still menu, in the camp ledger's prompt group
    Prompt sell;    // starts a delivery at the wagon
    Prompt confirm; // buys a recipe or sets a flavour
    Prompt select;  // opens a page from the main page
    Prompt back;    // one page back, or closes the menu

    void create(const BusinessTexts& texts);
    void hideAll();
    // Tells the game what changed since the last frame's commit.
    void commitAll();
};

} // namespace corvale::business
