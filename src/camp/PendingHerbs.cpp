#include "camp/PendingHerbs.h"

#include "core/data/GameData.h"
#include "core/events/EventInbox.h"
#include "core/log/Log.h"
#include "core/natives/Blips.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "missions/SavedCamp.h"
#include "site/CampInterface.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

namespace corvale {

namespace {
constexpr const char* kPendingKey = "operation.herbs_pending";
constexpr const char* kHerbKeys[3] = {"operation.herbs.1", "operation.herbs.2",
                                      "operation.herbs.3"};
} // namespace

PendingHerbs::PendingHerbs(CampInterface& campSet, GameData& data, const DebugTools& debug,
                           Notifications& notifications)
    : campSet_(campSet), data_(data), debug_(debug), notifications_(notifications) {}

void PendingHerbs::restore(const SavedCamp& saved) {
    if (saved.readInt(kPendingKey, 0) == 0) return;
    for (size_t k = 0; k < 3; ++k)
        campSet_.herbs[k] = static_cast<Hash>(saved.readInt(kHerbKeys[k], 0));
    campSet_.herbsPending = true;
    Log("CampManager: herbs for the still restored");
}

void PendingHerbs::choose(const events::ScriptEvent& e) {
    campSet_.herbsPending = true;
    for (size_t k = 0; k < 3; ++k)
        campSet_.herbs[k] = static_cast<Hash>(e.word(k + 2));
    save();
    showStillBlip();
    notifications_.showMessage(LangText(data_, "camp.put_herbs_in_still"));
}

// Only what the player carries is taken: an item he no longer has gets no feed line.
void PendingHerbs::putIn() {
    const Ped player = PlayerPed();
    for (Hash& herb : campSet_.herbs) {
        if (herb != 0 && ItemCount(player, herb) > 0)
            RemoveItem(player, herb, 1, "inventory_items", 0, debug_, &notifications_);
        herb = 0;
    }
    campSet_.herbsPending = false;
    save();
    campSet_.removeStillBlip();
}

void PendingHerbs::drop() {
    if (!campSet_.herbsPending) return;
    campSet_.herbsPending = false;
    for (Hash& herb : campSet_.herbs)
        herb = 0;
    save();
    campSet_.removeStillBlip();
    Log("CampManager: the herbs for the still went with the batch");
}

void PendingHerbs::showStillBlip() {
    const Blip blip = campSet_.ensureStillBlip();
    if (blip != 0) SetBlipStyle(blip, HashString("BLIP_STYLE_OBJECTIVE_MINOR"));
}

// Absent keys mean no herbs wait.
void PendingHerbs::save() {
    DictDataFile& file = *data_.savegameFile();
    if (!campSet_.herbsPending) {
        file.set(kPendingKey, "");
        for (const char* key : kHerbKeys)
            file.set(key, "");
        return;
    }
    file.setInt(kPendingKey, 1);
    for (size_t k = 0; k < 3; ++k)
        file.setInt(kHerbKeys[k], static_cast<int32_t>(campSet_.herbs[k]));
}

} // namespace corvale
