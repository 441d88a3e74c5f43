#pragma once
// The developer debug tools as the bridge's wrappers see them: whether they are on, and
// where their texts are drawn. The camp session owns the one the camp plug-in hands to its
// wrappers; the business plug-in never turns them on and hands a default one.

namespace corvale {

class DebugTools {
  public:
    using TextDrawer = void (*)(const char* text);

    DebugTools() = default;
    explicit DebugTools(TextDrawer drawer) : drawer_(drawer) {}

    // Off until the developer hotkey turns them on.
    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }

    // Draws a debug text this frame; without a drawer (the business plug-in) nothing is drawn.
    void drawText(const char* text) const {
        if (drawer_) drawer_(text);
    }

  private:
    bool on_ = false;
    TextDrawer drawer_ = nullptr;
};

} // namespace corvale
