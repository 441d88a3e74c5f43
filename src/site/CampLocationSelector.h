#pragma once
// The map on which the player picks where the camp goes: a paper map in the player's hands,
// a list of the seven locations with the current one ticked, the fee for moving and a
// picture of the highlighted place. Picking sends "CORVALE_CAMP_LOCATION_CHANGED"; the
// camp manager moves the camp and closes the selector. The camp manager ticks it every
// frame and opens and closes it on the selector events.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"
#include "ui/BaseUIComponent.h"
#include "ui/MenuList.h"

#include <cstdint>

namespace corvale {

class CampFeeReader;
class CampInterface;
class GameData;

class CampLocationSelector final : public BaseUIComponent {
  public:
    enum class Phase { Closed, Opening, Shown };

    // How long the player may take to hold the map up before it is put away.
    static constexpr int32_t kMapHeldLimitMs = 5000;

    // One entry per location, in table order; the labels are texts of the data's Lang.dat,
    // so the data files are loaded first. The fee row shows what fee reads.
    CampLocationSelector(const CampInterface& campSet, const GameData& data,
                         const CampFeeReader& fee);

    // Opening: takes the map out once its model is in (over frames, never waiting in one),
    // shows it once the hands reached for it, then waits for it to be held up
    // (at most kMapHeldLimitMs from the opening). Shown: draws
    // while the map is held and closes as soon as it is not.
    void tick() override;

    Phase phase() const { return phase_; }
    Object mapObject() const { return mapObject_; }
    const MenuList& list() const { return list_; }

  protected:
    void onOpen() override;  // the player takes the map out; the current place is ticked
    void onClose() override; // the map is deleted and put away, the radar comes back
    void draw() override;

  private:
    void takeOutMap();
    void waitForMapHeld();
    void reveal();
    void followMap();
    bool carriedOff() const;
    void markCurrentLocation();
    void onPick(const MenuInput& entry);

    const CampInterface& campSet_;
    const GameData& data_;
    const CampFeeReader& fee_;
    MenuList list_;
    Object mapObject_ = 0;
    Phase phase_ = Phase::Closed;
    int32_t mapAskedAt_ = 0; // the map's model is waited for over frames from here
    int32_t interactionStartedAt_ = 0;
    Vector3 takenOutAt_{}; // where the player took the map out
    bool revealed_ = false; // the hands have reached for the map: it shows

    // Made when it opens, so a shown frame composes nothing.
    Hash mapHeldState_ = 0;
    Hash frontendUp_ = 0;
    Hash fastTravelMenu_ = 0;
    const char* title_ = "";
    const char* feeLabel_ = "";
    char feeText_[32] = "";
};

} // namespace corvale
