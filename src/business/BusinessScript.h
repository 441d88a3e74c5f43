#pragma once
// The business plug-in's whole state, owned by its script entry for as long as the game
// runs, with the start-up and the per-frame pass.
#include "business/Ambush.h"
#include "business/BusinessFeed.h"
#include "business/BusinessPrompts.h"
#include "business/BusinessSave.h"
#include "business/BusinessTexts.h"
#include "business/Handover.h"
#include "business/HeldItems.h"
#include "business/LoadedDictionaries.h"
#include "core/events/EventInbox.h"
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <cstdint>

namespace corvale {
class GameData;
}

namespace corvale::business {

enum MenuPage : int { kMenuClosed = 0, kMainPage = 1, kRecipesPage = 2, kFlavoursPage = 3 };

// Brewing between production ticks; lost when the game is left.
struct BrewingState {
    float flavourProgress = 0.0f; // 0 to 100
    int32_t nextProductionTick = 0;
    float brewingTimeModifier = 1.0f; // from the settings
    bool cargoShown = false;          // the wagon carries the finished batch's crates
};

// The still menu: its page, the highlighted row (shared by all pages) and its camera.
struct StillMenuState {
    int page = kMenuClosed;
    int cursor = 0;
    Cam camera = 0;
    bool ledgerOffered = false; // the ledger prompt was shown and enabled on the last frame
    Vector3 offeredAt;          // where the player stood then
    Vector3 openedAt;           // where the player stood when it opened
};

// The wagon asked for at the camp and not standing yet: placed on the frame its model is in.
struct WantedWagon {
    bool wanted = false;
    bool gaveUp = false; // its model's wait gave up (logged once): asked again now and then
    int32_t since = 0;   // when asked for; after giving up, the last ask
    const char* blipName = nullptr;
};

// Where the camp is and the delivery of a finished batch.
struct CampAndDelivery {
    int campLocation = 0; // 1 to 7; 0 until the camp plug-in names one
    int pendingLocation = 0;
    int32_t locationEventTime = 0;                  // when the pending location was announced
    Vector3 campPoint{1796.65f, -821.094f, 42.59f}; // where the wagon stands
    float campHeading = 0.0f;
    Vector3 destination{1886.713f, -1344.294f, 42.509f};
    Vehicle wagon = 0;
    WantedWagon wantedWagon;
    Blip wagonBlip = 0;
    Blip destinationBlip = 0;
    bool deliveryActive = false; // from the start until the handover or the loss is over
    bool stopHintShown = false;  // since the wagon last rolled into the buyer's circle
    int32_t ambushClock = 0;     // the start of the delivery, then the last wave
    int32_t ambushDelayMs = 0;   // from ambushClock to the next wave
    AmbushGang ambush;
    Handover handover;
};

// The player and the game timer as read at the top of the frame.
struct PlayerThisFrame {
    Ped ped = 0;
    Vector3 position;
    int32_t now = 0;           // the game timer
    float campDistance = 0.0f; // from the camp point, kept up to date when the camp moves
    bool atWagon = false;      // where the wagon offers its sale (no delivery running)
};

class BusinessScript {
  public:
    // data: the plug-in's data files and settings, made by the script entry.
    explicit BusinessScript(GameData& data) : data_(data) {}
    BusinessScript(const BusinessScript&) = delete;
    BusinessScript& operator=(const BusinessScript&) = delete;

    // Texts, prompts, settings, the wagon model and the save file, in that order.
    void start();
    // One pass of the frame loop (the caller yields after it).
    void frame();

    const GameData& data() const { return data_; }

    BusinessSave save;
    BrewingState brewing;
    StillMenuState menu;
    BusinessPrompts prompts;
    BusinessTexts texts;
    CampAndDelivery camp;
    PlayerThisFrame player;
    LoadedDictionaries dictionaries; // asked for by the still's drawing
    HeldItems held; // the flavours' ingredients the player carries, read once a frame
    BusinessFeed feed;

    // Writes the save file now, whatever changed; false when it could not.
    bool writeSaveNow();
    // The events kept since the last read: the herbs put in, the camp's place.
    void readEvents();

    // Brewing actions of the menu pages.
    void buyRecipe(int recipe);
    void setFlavour(int flavour);
    bool isFlavourAvailable(int flavour);

  private:
    void readSettings();
    void requestWagonModel();
    void readPlayer();
    void saveWhenChanged();
    void showCargo();
    void tickProduction();
    void nearCampPoint();
    void keepMapDataLoaded();

    GameData& data_;
    events::EventCursor events_; // the herbs and the camp's place, as kept every frame
    // What the file holds, as last written or read.
    BusinessSave written_;
    bool lastSaveFailed_ = false;
    int32_t lastSaveTry_ = 0; // the game timer at the last write, or the last attempt
};

} // namespace corvale::business
