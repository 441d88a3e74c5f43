// The still menu's main page: the still, the flavouring and the product, with the formula
// and the explanation of the highlighted row below.
#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/StillMenu.h"
#include "core/text/TextFormat.h"

#include <cstdio>

namespace corvale::business {

namespace {

constexpr int32_t kBright = 255;
constexpr int32_t kDim = 155;
constexpr float kFormulaY = 0.7407407f;
constexpr float kFormulaW = 65.0f / 1920.0f;
constexpr float kFormulaH = 65.0f / 1080.0f;

bool StillBusy(const BusinessSave& save) {
    return save.mash != 0.0f || save.production == kFullBatch;
}

void DrawRows(BusinessScript& s) {
    const BusinessSave& save = s.save;
    const BusinessTexts& t = s.texts;
    if (StillBusy(save)) {
        DrawMenuRow(s.dictionaries, 0, kRolePictures, StillPicture(save.recipe), t.stillFlavourText,
                    t.recipeName(save.recipe), kDim);
        DrawRowClock(s.dictionaries, 0, kDim);
    } else {
        DrawMenuRow(s.dictionaries, 0, kRolePictures, StillPicture(0), t.stillFlavourText,
                    t.mashRequiredText, kBright, kDim);
    }

    const bool canFlavour =
        (save.mash > 0.0f || save.production > 0.0f) && s.brewing.flavourProgress == 0.0f;
    const int32_t flavourAlpha = canFlavour ? kBright : kDim;
    DrawMenuRow(s.dictionaries, 1, kRolePictures, FlavourPicture(save.flavour), t.flavoring,
                t.flavourName(save.flavour), flavourAlpha);
    if (save.flavour != 0 && s.brewing.flavourProgress < kFullBatch)
        DrawRowClock(s.dictionaries, 1, flavourAlpha);

    if (save.production < kFullBatch) {
        char made[128];
        const int count = std::snprintf(made, sizeof made, "%d", BottlesMade(save.production));
        CopyText(made + count, sizeof made - static_cast<size_t>(count), t.bottlesOutOf20);
        DrawMenuRow(s.dictionaries, 2, kRolePictures, kProductPicture, t.moonshine, made, kDim);
    } else {
        DrawMenuRow(s.dictionaries, 2, kRolePictures, kProductPicture, t.moonshine, t.bottles,
                    kBright);
    }
}

// The still, the flavour and the product as a sum, then two lines about the cursor row.
void DrawLowerPanel(BusinessScript& s) {
    const BusinessSave& save = s.save;
    const BusinessTexts& t = s.texts;
    s.dictionaries.drawSprite(kRolePictures, StillPicture(StillBusy(save) ? save.recipe : 0),
                              ScreenBox{0.08854167f, kFormulaY, kFormulaW, kFormulaH}, White());
    s.dictionaries.drawSprite(kRolePictures, FlavourPicture(save.flavour),
                              ScreenBox{0.15625f, kFormulaY, kFormulaW, kFormulaH}, White());
    s.dictionaries.drawSprite(kRolePictures, kProductPicture,
                              ScreenBox{0.22395834f, kFormulaY, kFormulaW, kFormulaH}, White());
    DrawText("+", 0.1215f, 0.73f, MenuBody(0.4f, true));
    DrawText("=", 0.192f, 0.73f, MenuBody(0.4f, true));

    const char* upper = "";
    const char* lower = "";
    char progress[160];
    switch (s.menu.cursor) {
    case 0:
        if (save.mash != 0.0f) {
            s.prompts.select.want(s.prompts.select.enabled(), false);
            // A long label gives way to the percentage, never the other way round.
            char figure[32];
            std::snprintf(figure, sizeof figure, " %g%%", static_cast<double>(save.production));
            JoinKeepingTail(progress, t.productionComplete, figure);
            upper = t.inProd;
            lower = progress;
        } else if (BatchWaitsForSale(save)) {
            upper = t.batchWaiting;
            lower = t.sellBatchFirst;
        } else {
            upper = t.mashRequired2.c_str();
            lower = t.mashRequired;
        }
        break;
    case 1:
        if (save.flavour != 0) s.prompts.select.want(s.prompts.select.enabled(), false);
        upper = t.recipeSelection.c_str();
        lower = save.production == kFullBatch ? t.currentBatchSold : t.buyerFlavour;
        break;
    default:
        upper = t.potentialBuyers.c_str();
        lower = t.fullBatchRequired;
        break;
    }
    DrawText(upper, 0.156f, 0.79f, MenuBody(0.3f, true));
    DrawText(lower, 0.16f, 0.91f, MenuBody(0.3f, true));
}

} // namespace

void RunMainPage(BusinessScript& s) {
    s.prompts.back.want(true, true);
    s.prompts.select.want(true, true);
    DrawMenuFrame(s, s.texts.moonshineProduction);
    DrawRows(s);
    DrawLowerPanel(s);
    DrawMenuBar(s.dictionaries, 0.16f, 0.2f);
    DrawMenuBar(s.dictionaries, 0.16f, 0.5f);
    DrawMenuBar(s.dictionaries, 0.16f, 0.9f);

    const bool selected = s.prompts.select.completed();
    if (selected && s.menu.cursor == 0)
        GoToPage(s, kRecipesPage);
    else if (selected && s.menu.cursor == 1)
        GoToPage(s, kFlavoursPage);
    else if (s.prompts.back.completed())
        CloseStillMenu(s);
}

} // namespace corvale::business
