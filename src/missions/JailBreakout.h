#pragma once
// How the player opens the Valentine jail (a door blown, the deputy's keys looted or picked
// from his pocket), and the lawmen who see the escape.
#include "core/events/EventInbox.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

class Notifications;

class JailBreakout final {
  public:
    enum class Way : int32_t {
        None = 0,
        BackDoorBlast = 1,
        FrontDoorBlast = 2,
        LootedKeys = 3,
        PickpocketedKeys = 4,
    };

    // The pickpocket results are read from the mission's start.
    explicit JailBreakout(Notifications& notifications);
    JailBreakout(const JailBreakout&) = delete;
    JailBreakout& operator=(const JailBreakout&) = delete;

    // This frame's way in, if any; guard is the deputy (0: none).
    Way detect(Ped guard);
    // Unlocks what that way opened, and the cell; the keys show in the feed.
    void open(Way way);
    // At most every half second: the nearest living lawman who sees the player reports the
    // jail break and goes for him; 0 when none did.
    Ped detectLaw(Ped guard);

  private:
    Way detectBlastOrLoot(Ped guard);

    Notifications& notifications_;
    events::EventCursor pickPocketEvents_;
    Hash explosionEvent_, lootEvent_, pickPocketEvent_;
    Hash keysItem_, keychainIcon_, jailBreakCrime_;
};

// Either blast sets Clint free at once; with keys the player must come to the cell.
inline bool IsBlast(JailBreakout::Way way) {
    return way == JailBreakout::Way::BackDoorBlast || way == JailBreakout::Way::FrontDoorBlast;
}

} // namespace corvale
