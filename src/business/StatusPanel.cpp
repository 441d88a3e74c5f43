#include "business/StatusPanel.h"

#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/StillLooks.h"
#include "core/natives/Peds.h"

namespace corvale::business {

namespace {

constexpr const char* kIcons = "mp_moonshiner";
constexpr const char* kBars = "mp_trader";
constexpr float kIconX = 0.961f;
constexpr float kIconW = 0.018f;
constexpr float kIconH = 0.033f;
constexpr float kBarX = 0.86f;
constexpr float kTextScale = 0.32f;
constexpr float kWalkingPace = 1.4f;

void DrawIcon(LoadedDictionaries& dicts, const char* texture, float y, Rgba colour = White()) {
    dicts.drawSprite(kIcons, texture, BoxFromCorner(kIconX, y, kIconW, kIconH), colour);
}

// A bar filled to value (0 to 100); its lighter background turns red when warn is set.
void DrawBar(LoadedDictionaries& dicts, float y, float value, bool warn) {
    dicts.drawSprite(kBars, "butcher_table_background_bar", BoxFromCorner(kBarX, y, 0.101f, 0.019f),
                     Rgba{0, 0, 0, 250});
    dicts.drawSprite(kBars, "butcher_table_background_bar", BoxFromCorner(kBarX, y, 0.1f, 0.017f),
                     warn ? Rgba{255, 0, 0, 100} : White(100));
    const float width = value * 0.001f;
    dicts.drawSprite(kBars, "butcher_table_foreground_bar", BoxFromCorner(kBarX, y, width, 0.017f),
                     White(150));
    dicts.drawSprite(kBars, "butcher_table_foreground_bar", BoxFromCorner(kBarX, y, width, 0.017f),
                     White(255));
}

} // namespace

void DrawStatusPanel(BusinessScript& s) {
    const bool hasMash = s.save.mash != 0.0f;
    DrawIcon(s.dictionaries, "moonshiner_workbench_still", 0.06f,
             hasMash ? White() : Rgba{150, 0, 0, 255});
    DrawBar(s.dictionaries, 0.07f, s.save.mash, !hasMash);

    DrawIcon(s.dictionaries, FlavourPicture(0), 0.1f);
    if (s.save.flavour == 0) {
        DrawText(s.texts.flavourName(0), 0.905f, 0.105f, MenuBody(kTextScale, false));
    } else if (s.brewing.flavourProgress < kFullBatch) {
        DrawBar(s.dictionaries, 0.11f, s.brewing.flavourProgress, false);
    } else {
        const float x = s.save.flavour == 1 ? 0.855f : 0.84f;
        DrawText(s.texts.flavourName(s.save.flavour), x, 0.105f, MenuBody(kTextScale, false));
    }

    DrawIcon(s.dictionaries, kProductPicture, 0.14f);
    DrawBar(s.dictionaries, 0.15f, s.save.production, false);
}

void KeepToWalkingPace(Ped player) {
    if (!IsPedInCombat(player, 0)) SetPedMaxMoveBlendRatio(player, kWalkingPace);
}

} // namespace corvale::business
