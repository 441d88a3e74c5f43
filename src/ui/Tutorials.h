#pragma once
// Tutorials: a help text shown once and remembered in TutorialFlags.dat. The camp session
// owns the one Tutorials and hands it to the components that teach the player something.

namespace corvale {

class DebugTools;
class GameData;
class Notifications;

class Tutorials {
  public:
    // Reads the texts and flags from data, shows through notifications; nothing is
    // remembered while debug tools are on.
    Tutorials(GameData& data, Notifications& notifications, const DebugTools& debug)
        : data_(data), notifications_(notifications), debug_(debug) {}

    // Shows the Lang.dat text "tutorial." + name as a help text for 10 s. A tutorial already
    // shown comes back with a chance of one in five; force shows it anyway. Marks it shown
    // and saves TutorialFlags.dat, except while the debug tools are on.
    void trigger(const char* name, bool force);

  private:
    GameData& data_;
    Notifications& notifications_;
    const DebugTools& debug_;
};

} // namespace corvale
