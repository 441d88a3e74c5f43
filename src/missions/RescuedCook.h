#pragma once
// Clint, the cook the rescue frees: spawned in his cell, joined to the player's group once
// out of it, running after the player or climbing onto his horse, and marked as a companion.
#include "core/natives/Groups.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

class BaseMissionProcessor;
class Prompt;

class RescuedCook final {
  public:
    // What he spawns is registered with mission.
    explicit RescuedCook(BaseMissionProcessor& mission);
    RescuedCook(const RescuedCook&) = delete;
    RescuedCook& operator=(const RescuedCook&) = delete;

    // Spawns him in his cell facing the jail's mission point, with the location prompt put
    // on him; 0 when the spawn gave up.
    Ped spawn(const char* name, Prompt& locationPrompt, const Vector3& facing);
    // Out of the cell: he joins the player's group (one made for it when the player has
    // none) and runs to him.
    void joinPlayer(Ped player);
    // The game may drop him from the group: he is put back each frame.
    void stayInGroup();
    // He runs after a player who left him behind, and gets on the player's horse with him.
    void keepWithPlayer(Ped player);
    // Out of the player's group, once.
    void leaveGroup();
    // The group made for him goes with the mission.
    void removeGroup();
    void showBlip(const char* name);
    void removeBlip();
    // A reset or a failure removed him.
    void forget() { ped_ = 0; }
    Ped ped() const { return ped_; }

  private:
    BaseMissionProcessor& mission_;
    Ped ped_ = 0;
    Blip blip_ = 0;
    PedGroup group_ = 0;        // the player's group he joins
    PedGroup createdGroup_ = 0; // the group made for it, 0 when he uses the player's
    bool inGroup_ = false;
    Hash companionStyle_, followTask_, mountTask_;
};

} // namespace corvale
