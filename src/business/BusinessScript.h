#pragma once
// The business plug-in's whole state, owned by its script entry for as long as the game
// runs, with the start-up and the per-frame pass.
#include "business/BusinessPrompts.h"
#include "business/BusinessSave.h"
#include "business/BusinessTexts.h"
#include "core/natives/Vector3.h"

#include <cstdint>
#include <vector>

namespace corvale::business {

enum MenuPage : int { kMenuClosed = 0, kMainPage = 1, kRecipesPage = 2, kFlavoursPage = 3 };

class BusinessScript {
  public:
    BusinessScript() = default;
    BusinessScript(const BusinessScript&) = delete;
    BusinessScript& operator=(const BusinessScript&) = delete;

    // Texts, prompts, settings, the wagon model and the save file, in that order.
    void start();
    // One pass of the frame loop (the caller yields after it).
    void frame();

    // Saved state.
    BusinessSave save;
    // Brewing, not saved.
    float flavourProgress = 0.0f;
    int32_t nextProductionTick = 0;
    float brewingTimeModifier = 1.0f;
    bool cargoShown = false;
    int32_t nextSaveTime = 0;
    // Still menu.
    int menuPage = kMenuClosed;
    int menuCursor = 0;
    Cam menuCamera = 0;
    BusinessPrompts prompts;
    BusinessTexts texts;
    bool ledgerOffered = false; // the ledger prompt was shown and enabled on the last frame
    // Camp and delivery.
    int campLocation = 0;
    int pendingLocation = 0;
    int32_t locationApplyTime = 0;
    Vector3 campPoint{1796.65f, -821.094f, 42.59f};
    float campHeading = 0.0f;
    Vector3 destination{1886.713f, -1344.294f, 42.509f};
    int32_t wagon = 0;
    int32_t wagonBlip = 0;
    int32_t destinationBlip = 0;
    bool deliveryActive = false;
    int32_t ambushTime = 0;
    std::vector<int32_t> ambushRiders;
    // Per frame.
    int32_t player = 0;
    Vector3 playerPosition;

    // Brewing actions of the menu pages.
    void buyRecipe(int recipe);
    void setFlavour(int flavour);
    bool isFlavourAvailable(int flavour) const;

  private:
    void readSettings();
    void requestWagonModel();
    void readPlayer();
    void autosave();
    void readHerbsEvents();
    void showCargo();
    void tickProduction();
    void nearCampPoint();
};

} // namespace corvale::business
