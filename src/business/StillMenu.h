#pragma once
// The still menu: opened from the ledger prompt, three pages drawn on the left of the screen
// while a scripted camera looks at the still.
#include "business/LoadedDictionaries.h"
#include "business/StillLooks.h"

namespace corvale::business {

class BusinessScript;

// Opens the menu when the ledger prompt fires, or runs the open page for this frame.
void TickStillMenu(BusinessScript& script);

// Page changes: each resets the cursor; closing keeps it for the next opening.
void OpenStillMenu(BusinessScript& script);
void CloseStillMenu(BusinessScript& script);
void GoToPage(BusinessScript& script, int page);
// From a sub-page to the main page: after a purchase (with the ledger's sounds) or one back.
void ReturnAfterPurchase(BusinessScript& script);
void ReturnToMainPage(BusinessScript& script);

// Parts shared by the pages.
void DrawMenuFrame(BusinessScript& script, const char* subtitle);
// Row 0 to 3 of a list page: box, picture, title and second line; the title may be dimmer.
void DrawMenuRow(LoadedDictionaries& dicts, int row, const char* pictureDict, const char* picture,
                 const char* title, const char* secondLine, int32_t alpha, int32_t titleAlpha = -1);
// The clock beside a row whose work is still going on.
void DrawRowClock(LoadedDictionaries& dicts, int row, int32_t alpha);
void DrawMenuBar(LoadedDictionaries& dicts, float x, float y);

// The pages (MainPage.cpp, RecipesPage.cpp, FlavoursPage.cpp).
void RunMainPage(BusinessScript& script);
void RunRecipesPage(BusinessScript& script);
void RunFlavoursPage(BusinessScript& script);

inline constexpr const char* kRolePictures = "toast_mp_roles";
inline constexpr const char* kGenericTextures = "generic_textures";
inline constexpr const char* kMenuTextures = "menu_textures";
inline constexpr const char* kInventoryItems = "inventory_items";
inline constexpr const char* kBlipTextures = "blips";

} // namespace corvale::business
