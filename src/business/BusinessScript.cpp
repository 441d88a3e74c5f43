#include "business/BusinessScript.h"

#include "business/Brewing.h"
#include "business/Delivery.h"
#include "business/StatusPanel.h"
#include "business/StillMenu.h"
#include "business/WagonReach.h"
#include "core/data/GameData.h"
#include "core/events/EventInbox.h"
#include "core/events/EventNames.h"
#include "core/natives/Controls.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Inventory.h"
#include "core/natives/MapData.h"
#include "core/natives/Models.h"
#include "core/natives/Money.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/Vehicles.h"
#include "core/platform/Platform.h"
#include "core/timers/Elapsed.h"

namespace corvale::business {

namespace {
constexpr const char* kSettingsPath = "./Corvale/Settings.ini";
constexpr const char* kWagonModel = "WAGON05X";
// At most one write a second, failed ones included.
constexpr int32_t kSaveEveryMs = 1000;
constexpr float kNearCampPoint = 40.0f;
} // namespace

void BusinessScript::start() {
    // Lang2.dat first; the chain stops at the first file that fails, without a word.
    data_.loadFiles("Lang2.dat");
    // Without its own texts the still would offer blank prompts: the built-in English ones.
    if (!data_.langFileLoaded()) UseShippedTexts(data_);
    LoadBusinessTexts(data_, texts);
    prompts.create(texts);
    for (int flavour = 1; flavour <= kFlavourCount; ++flavour) {
        for (const char* item : FlavourFor(flavour)->items)
            held.learn(item);
    }
    readSettings();
    requestWagonModel();
    ScriptWait(0);
    const LoadedBusinessSave loaded = LoadBusinessSave(kBusinessSavePath, data_.files());
    save = loaded.save;
    player.now = GameTimerMs();
    if (loaded.read == SaveRead::NotWhole) {
        // The player's batch may be in what was not understood: the file stays as it is
        // until the still has moved on from what was read.
        written_ = save;
        lastSaveTry_ = player.now;
    } else {
        writeSaveNow();
    }
    // The first production tick comes on the first frame.
    brewing.nextProductionTick = GameTimerMs();
}

void BusinessScript::frame() {
    platform::SeedRandom(static_cast<uint32_t>(platform::CalendarTime()));
    readPlayer();
    dictionaries.beginFrame();
    SaddleHorse(0); // asked every frame, the answer unused
    saveWhenChanged();
    readEvents();
    IsControlHeld(kControlOpenSatchel);
    showCargo();
    tickProduction();
    feed.tick(player.now, texts);
    prompts.hideAll();
    TickStillMenu(*this);
    nearCampPoint();
    menu.ledgerOffered = prompts.ledger.enabled() && prompts.ledger.visible();
    menu.offeredAt = player.position;
    keepMapDataLoaded();
    ApplyPendingLocation(*this);
    TickDelivery(*this);
    prompts.commitAll();
}

void BusinessScript::readSettings() {
    Settings& settings = data_.settings();
    settings.load(kSettingsPath,
                  {{"DevTools", "0"}, {"UseMpAssets", "1"}, {"BrewingTimeModifier", "1"}});
    brewing.brewingTimeModifier =
        ParseBrewingTimeModifier(settings.getString("BrewingTimeModifier").c_str());
}

void BusinessScript::requestWagonModel() {
    const Hash model = HashString(kWagonModel);
    if (!ModelLoaded(model)) RequestModel(model);
}

void BusinessScript::readPlayer() {
    RefreshPlayerPed();
    player.ped = PlayerPed();
    player.position = EntityPosition(player.ped);
    player.now = GameTimerMs();
    held.beginFrame(player.ped);
}

// Written only when it changed, at most once a second: an idle game never touches the disk.
// A file edited by hand while the game runs is overwritten at the next change.
void BusinessScript::saveWhenChanged() {
    if (ElapsedMs(player.now, lastSaveTry_) <= kSaveEveryMs) return;
    if (!lastSaveFailed_ && SameSave(save, written_)) return;
    writeSaveNow();
}

bool BusinessScript::writeSaveNow() {
    lastSaveTry_ = player.now;
    lastSaveFailed_ = !SaveBusinessSave(save, kBusinessSavePath, data_.files());
    if (!lastSaveFailed_) written_ = save;
    return !lastSaveFailed_;
}

// The herbs put in and the camp's place, in one pass over the frame's events.
// The camp's place is read only while no change is pending, and then over the whole pass:
// of two places named in one frame the later stands.
void BusinessScript::readEvents() {
    const bool takePlace = camp.pendingLocation == camp.campLocation;
    events::ForEachKeptEvent(events_, [this, takePlace](const events::ScriptEvent& e) {
        if (e.is(events::kPutHerbsInStill)) save.herbsInStill = true;
        if (takePlace) ReadCampLocationEvent(*this, e);
    });
}

void BusinessScript::showCargo() {
    if (save.production != kFullBatch || brewing.cargoShown || camp.wagon == 0) return;
    if (!IsVehicleDriveable(camp.wagon, false, false)) return;
    AddVehiclePropSet(camp.wagon, HashString("PG_MISSION_BRT2"));
    brewing.cargoShown = true;
}

void BusinessScript::tickProduction() {
    if (ElapsedMs(player.now, brewing.nextProductionTick) <= 0) return;
    const bool wasFull = save.production == kFullBatch;
    ProductionTick(save, brewing.flavourProgress);
    // Once per batch, on the tick that fills it: a batch loaded full was announced before.
    if (!wasFull && save.production == kFullBatch) feed.announceBatchReady(player.now);
    brewing.nextProductionTick = NextProductionTick(player.now, brewing.brewingTimeModifier);
}

void BusinessScript::keepMapDataLoaded() {
    if (!IsMapDataActive(kStillBusinessMapData)) RequestMapData(kStillBusinessMapData);
}

void BusinessScript::nearCampPoint() {
    player.campDistance = Distance(camp.campPoint, player.position);
    const float distance = player.campDistance;
    // The open menu offers no sale (and holds the player at the ledger).
    player.atWagon = !camp.deliveryActive && menu.page == kMenuClosed &&
                     AtWagon(player.position, distance);
    if (!(distance < kNearCampPoint)) return;
    prompts.ledger.want(!camp.deliveryActive, true);
    // At the wagon the sell prompt takes the ledger prompt's place.
    if (player.atWagon) prompts.ledger.want(prompts.ledger.enabled(), false);
    // The open menu shows the same quantities and holds the player at the ledger: neither the
    // panel nor the walking pace would do more than cost the frame. Before the camp plug-in
    // names a camp there is no still here to show or to walk by.
    if (menu.page != kMenuClosed || camp.campLocation == 0) return;
    DrawStatusPanel(*this);
    KeepToWalkingPace(player.ped);
}

void BusinessScript::buyRecipe(int recipe) {
    const Recipe* r = RecipeFor(recipe);
    // A payment the game refuses (the cash spent since the prompt was shown) buys nothing.
    if (!r || !TakeCash(r->priceCents)) return;
    StartBatch(save, recipe);
}

void BusinessScript::setFlavour(int flavour) {
    if (FlavourFor(flavour)) save.flavour = flavour;
}

bool BusinessScript::isFlavourAvailable(int flavour) {
    const Flavour* f = FlavourFor(flavour);
    // A flavour of another recipe is not available whatever is held: nothing to count.
    if (!f || f->fitsRecipe != save.recipe) return false;
    int32_t counts[3];
    for (int k = 0; k < 3; ++k)
        counts[k] = held.count(f->items[k]);
    return IsFlavourAvailable(flavour, save.recipe, counts);
}

} // namespace corvale::business
