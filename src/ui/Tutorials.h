#pragma once
// Tutorials: a help text shown once and remembered in TutorialFlags.dat.

namespace corvale {

// Shows the Lang.dat text "tutorial." + name as a help text for 10 s. A tutorial already
// shown comes back with a chance of one in five; force shows it anyway. Marks it shown
// and saves TutorialFlags.dat, except while the debug tools are on.
void TriggerTutorial(const char* name, bool force);

} // namespace corvale
