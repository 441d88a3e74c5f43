// The still menu's flavours page: choosing a flavour from the ingredients the player holds.
#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/StillMenu.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Inventory.h"
#include "core/natives/Strings.h"
#include "core/text/TextFormat.h"

#include <cstdio>

namespace corvale::business {

namespace {

constexpr float kSlotX[3] = {0.09f, 0.16f, 0.23f};
constexpr float kCountX[3] = {0.105f, 0.174f, 0.2445f};
constexpr float kSlotY = 0.75f;

// The three ingredient slots of the highlighted flavour, with how many of each are held.
void DrawIngredientGrid(BusinessScript& s, const Flavour& f) {
    for (int k = 0; k < 3; ++k) {
        const int32_t count = s.held.count(f.items[k]);
        const bool held = count > 0;
        const int32_t alpha = held ? 255 : 155;
        DrawBusinessSprite(s.dictionaries, kMenuTextures, "hud_menu_grid", kSlotX[k], kSlotY, 0.06f,
                           0.1f, Rgba{35, 35, 35, 100});
        DrawBusinessSprite(s.dictionaries, kMenuTextures, "crafting_outline", kSlotX[k], kSlotY,
                           0.06f, 0.1f, White(alpha));
        DrawBusinessSprite(s.dictionaries, kInventoryItems, f.items[k], kSlotX[k], kSlotY, 0.05f,
                           0.09f, White(alpha));
        DrawBusinessSprite(s.dictionaries, kGenericTextures, "counter_bg_1b", kSlotX[k] + 0.0145f,
                           0.7725f, 0.025f, 0.045f, White(alpha));
        char number[16];
        std::snprintf(number, sizeof number, "%d", count);
        DrawTitleText(number, kCountX[k], 0.7585f, 0.45f, true, Rgba{0, 0, 0, held ? 220 : 120});
        DrawBodyText(BusinessText(s.data(), f.itemNameKeys[k]), 0.157f,
                     0.81f + 0.025f * static_cast<float>(k), 0.35f, true, held ? 255 : 150);
    }
}

// The help line under a dimmed row: the mash the flavour's recipe takes, else the first
// ingredient the player lacks.
void DrawWhyDimmed(BusinessScript& s, const Flavour& f) {
    const char* why = "";
    char lacking[160];
    if (s.save.recipe != f.fitsRecipe) {
        why = s.texts.needsMash[f.fitsRecipe - 1];
    } else {
        for (int k = 0; k < 3; ++k) {
            if (s.held.count(f.items[k]) > 0) continue;
            FormatText(lacking, s.texts.needsIngredient, BusinessText(s.data(), f.itemNameKeys[k]));
            why = lacking;
            break;
        }
    }
    DrawBodyText(why, 0.16f, 0.91f, 0.3f, true);
}

void SendFlavourSet(int flavour) {
    const Flavour* f = FlavourFor(flavour);
    events::SendBusinessEvent({static_cast<int32_t>(HashString(events::kMenuFlavourSet)), flavour,
                               static_cast<int32_t>(HashString(f->items[0])),
                               static_cast<int32_t>(HashString(f->items[1])),
                               static_cast<int32_t>(HashString(f->items[2]))});
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
    DrawTitleText(t.recipe, 0.159f, 0.65f, 0.35f, true);
    DrawBusinessSpriteCorner(s.dictionaries, kGenericTextures, "menu_bar", 0.139f, 0.677f, 0.04f,
                             0.0015f, White(175));
    DrawMenuBar(s.dictionaries, 0.16f, 0.9f);
    if (flavour) DrawIngredientGrid(s, *flavour);
    if (flavour && !available[s.menu.cursor]) DrawWhyDimmed(s, *flavour);

    if (s.prompts.confirm.completed()) {
        s.setFlavour(highlighted);
        SendFlavourSet(highlighted);
        ReturnAfterPurchase(s);
    } else if (s.prompts.back.completed()) {
        ReturnToMainPage(s);
    }
}

} // namespace corvale::business
