#include "ui/BridgeHooks.h"

#include "core/natives/DebugTools.h"
#include "core/natives/Inventory.h"
#include "ui/Notifications.h"
#include "ui/ScreenText.h"

namespace corvale {

void InstallBridgeHooks() {
    SetTransactionNotifier(ShowTransaction);
    SetDebugTextDrawer(static_cast<void (*)(const char*)>(DrawDebugText));
}

} // namespace corvale
