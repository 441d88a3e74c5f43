#pragma once
// The herbs of a chosen flavour that wait to go into the still, kept in Savegame.dat so a
// restart before they go in loses neither the still prompt nor its blip.
namespace corvale {

class CampInterface;
class DebugTools;
class GameData;
class Notifications;
class SavedCamp;
namespace events {
class ScriptEvent;
}

class PendingHerbs final {
  public:
    PendingHerbs(CampInterface& campSet, GameData& data, const DebugTools& debug,
                 Notifications& notifications);
    PendingHerbs(const PendingHerbs&) = delete;
    PendingHerbs& operator=(const PendingHerbs&) = delete;

    // The herbs saved before the game was left; their blip comes back with the camp.
    void restore(const SavedCamp& saved);
    // "CORVALE_MENU_FLAVOUR_SET": the flavour's three herbs (words 2 to 4) now wait.
    void choose(const events::ScriptEvent& event);
    // "CORVALE_PUT_HERBS_IN_STILL": what the player still carries of them is taken.
    void putIn();
    // The batch they were chosen for was sold or lost: they wait no longer.
    void drop();
    // The still's blip, marked as an objective while herbs wait.
    void showStillBlip();

  private:
    void save();

    CampInterface& campSet_;
    GameData& data_;
    const DebugTools& debug_;
    Notifications& notifications_;
};

} // namespace corvale
