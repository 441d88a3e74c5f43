// The herbs of a chosen flavour that wait to go into the still, kept in Savegame.dat so a
// restart before they go in loses neither the still prompt nor its blip.
#include "camp/CampManager.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "site/CampInterface.h"

namespace corvale {

namespace {
constexpr const char* kPendingKey = "operation.herbs_pending";
constexpr const char* kHerbKeys[3] = {"operation.herbs.1", "operation.herbs.2",
                                      "operation.herbs.3"};
} // namespace

void CampManager::saveHerbs() {
    DictDataFile& save = *data_.savegameFile();
    if (!campSet_.herbsPending) {
        // Absent keys mean no herbs wait.
        save.set(kPendingKey, "");
        for (const char* key : kHerbKeys)
            save.set(key, "");
        return;
    }
    save.setInt(kPendingKey, 1);
    for (size_t k = 0; k < 3; ++k)
        save.setInt(kHerbKeys[k], static_cast<int32_t>(campSet_.herbs[k]));
}

void CampManager::dropPendingHerbs() {
    if (!campSet_.herbsPending) return;
    campSet_.herbsPending = false;
    for (Hash& herb : campSet_.herbs)
        herb = 0;
    saveHerbs();
    campSet_.removeStillBlip();
    Log("CampManager: the herbs for the still went with the batch");
}

// The still blip comes back when the camp is built.
void CampManager::restorePendingHerbs() {
    if (saved_.readInt(kPendingKey, 0) == 0) return;
    for (size_t k = 0; k < 3; ++k)
        campSet_.herbs[k] = static_cast<Hash>(saved_.readInt(kHerbKeys[k], 0));
    campSet_.herbsPending = true;
    Log("CampManager: herbs for the still restored");
}

} // namespace corvale
