#pragma once
// The texture dictionaries the still's drawing has asked for. A dictionary the script asked
// for stays loaded until the script lets it go, which this one never does: once the game
// says loaded, the menu's thirty-odd sprites need not ask again. One still loading is asked
// about (and requested) once a frame, not once per sprite.
#include "core/draw/ScreenDraw.h"

namespace corvale::business {

class LoadedDictionaries {
  public:
    // Starts a frame's drawing: those still loading are asked about again.
    void beginFrame();
    // Every dictionary is asked about again (when the menu opens).
    void forgetAll() { count_ = 0; }
    // Asks about the dictionary and requests it when not loaded, at most once a frame.
    void makeSureLoaded(const char* dict);
    // A texture of the still's drawing (on the HUD layer), its dictionary asked for first.
    void drawSprite(const char* dict, const char* texture, const ScreenBox& box, Rgba colour);

  private:
    static constexpr int kCapacity = 8;
    struct Entry {
        const char* name;
        bool loaded;
    };
    Entry entries_[kCapacity] = {};
    int count_ = 0;
};

} // namespace corvale::business
