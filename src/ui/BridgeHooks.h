#pragma once
// The bridge, which both plug-ins carry, cannot reach the interface kit; the camp plug-in
// hands it the kit's transaction feed and debug text once at start-up.

namespace corvale {

// Item removals then show their transaction entry and the bridge's debug texts are drawn.
void InstallBridgeHooks();

} // namespace corvale
