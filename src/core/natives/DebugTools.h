#pragma once
// The developer debug-tools flag and the bridge's way to draw debug text. Header-only so
// that the bridge, which both plug-ins carry, reads them without linking the camp runtime;
// each plug-in has its own copy (the business plug-in never turns them on).

namespace corvale {

namespace detail {
inline bool gDebugToolsOn = false;
inline void (*gDebugTextDrawer)(const char* text) = nullptr;
} // namespace detail

// Off until the developer hotkey turns them on.
inline bool DebugToolsOn() {
    return detail::gDebugToolsOn;
}
inline void SetDebugToolsOn(bool on) {
    detail::gDebugToolsOn = on;
}

// The interface kit installs DrawDebugText here at start-up; without it nothing is drawn.
inline void SetDebugTextDrawer(void (*drawer)(const char* text)) {
    detail::gDebugTextDrawer = drawer;
}
inline void DrawBridgeDebugText(const char* text) {
    if (detail::gDebugTextDrawer) detail::gDebugTextDrawer(text);
}

} // namespace corvale
