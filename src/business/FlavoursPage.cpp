// The still menu's flavours page: choosing a flavour from the ingredients the player holds.
#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/StillMenu.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Inventory.h"
#include "core/natives/Strings.h"

namespace corvale::business {

namespace {

constexpr float kSlotX[3] = {0.09f, 0.16f, 0.23f};
constexpr float kCountX[3] = {0.105f, 0.174f, 0.2445f};
constexpr float kSlotY = 0.75f;

// The three ingredient slots of the highlighted flavour, with how many of each are held.
void DrawIngredientGrid(BusinessScript& s, int flavour, const Flavour& f) {
    for (int k = 0; k < 3; ++k) {
        const bool held = s.held.count(f.items[k]) > 0;
        const int32_t alpha = held ? 255 : 155;
        s.dictionaries.drawSprite(kMenuTextures, "hud_menu_grid",
                                  ScreenBox{kSlotX[k], kSlotY, 0.06f, 0.1f}, Rgba{35, 35, 35, 100});
        s.dictionaries.drawSprite(kMenuTextures, "crafting_outline",
                                  ScreenBox{kSlotX[k], kSlotY, 0.06f, 0.1f}, White(alpha));
        s.dictionaries.drawSprite(kInventoryItems, f.items[k],
                                  ScreenBox{kSlotX[k], kSlotY, 0.05f, 0.09f}, White(alpha));
        s.dictionaries.drawSprite(kGenericTextures, "counter_bg_1b",
                                  ScreenBox{kSlotX[k] + 0.0145f, 0.7725f, 0.025f, 0.045f},
                                  White(alpha));
        DrawText(s.held.countText(f.items[k]), kCountX[k], 0.7585f,
                 MenuTitle(0.45f, true, Rgba{0, 0, 0, held ? 220 : 120}));
        DrawText(s.texts.flavourPage.itemNames[flavour - 1][k], 0.157f,
                 0.81f + 0.025f * static_cast<float>(k), MenuBody(0.35f, true, held ? 255 : 150));
    }
}

// The help line under a dimmed row: the mash the flavour's recipe takes, else the first
// ingredient the player lacks.
void DrawWhyDimmed(BusinessScript& s, int flavour, const Flavour& f) {
    const FlavourPageTexts& t = s.texts.flavourPage;
    const char* why = "";
    if (s.save.recipe != f.fitsRecipe) {
        why = t.needsMash[f.fitsRecipe - 1];
    } else {
        for (int k = 0; k < 3; ++k) {
            if (s.held.count(f.items[k]) > 0) continue;
            why = t.lacking[flavour - 1][k].c_str();
            break;
        }
    }
    DrawText(why, 0.16f, 0.91f, MenuBody(0.3f, true));
}

void SendFlavourSet(BusinessScript& s, int flavour) {
    const Flavour* f = FlavourFor(flavour);
    events::SendBusinessEvent({static_cast<int32_t>(HashString(events::kMenuFlavourSet)), flavour,
                               static_cast<int32_t>(s.held.hashOf(f->items[0])),
                               static_cast<int32_t>(s.held.hashOf(f->items[1])),
                               static_cast<int32_t>(s.held.hashOf(f->items[2]))});
}

} // namespace

void RunFlavoursPage(BusinessScript& s) {
    const BusinessTexts& t = s.texts;
    bool available[kFlavourCount];
    for (int k = 0; k < kFlavourCount; ++k)
        available[k] = s.isFlavourAvailable(k + 1);
    const int highlighted = s.menu.cursor + 1;
    const Flavour* flavour = FlavourFor(highlighted);

    s.prompts.back.want(true, true);
    s.prompts.confirm.want(flavour && available[s.menu.cursor], true);

    DrawMenuFrame(s, t.recipes);
    for (int row = 0; row < kFlavourCount; ++row) {
        const Flavour* f = FlavourFor(row + 1);
        DrawMenuRow(s.dictionaries, row, kRolePictures, f->picture, t.flavourName(row + 1),
                    f->valueLabel, available[row] ? 255 : 155);
    }
    DrawText(t.recipe, 0.159f, 0.65f, MenuTitle(0.35f, true));
    s.dictionaries.drawSprite(kGenericTextures, "menu_bar",
                              BoxFromCorner(0.139f, 0.677f, 0.04f, 0.0015f), White(175));
    DrawMenuBar(s.dictionaries, 0.16f, 0.9f);
    if (flavour) DrawIngredientGrid(s, highlighted, *flavour);
    if (flavour && !available[s.menu.cursor]) DrawWhyDimmed(s, highlighted, *flavour);

    if (s.prompts.confirm.completed()) {
        s.setFlavour(highlighted);
        SendFlavourSet(s, highlighted);
        ReturnAfterPurchase(s);
    } else if (s.prompts.back.completed()) {
        ReturnToMainPage(s);
    }
}

} // namespace corvale::business
