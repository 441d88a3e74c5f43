#pragma once
// What the player carries of the flavours' ingredients. The flavours page asks about each
// item several times a frame (availability of four rows, the grid); the game is asked once
// a frame per item, the ped's inventory once per ped, and each name is hashed once for the
// whole game.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale::business {

class HeldItems {
  public:
    // Hashes the item's name now (at start-up), so that no frame has to.
    void learn(const char* item) { find(item); }
    // Forgets the counts of the last frame; the player's ped of this one.
    void beginFrame(Ped player);
    // How many of the item (an inventory item name that lives as long as the game) are held.
    int32_t count(const char* item);
    // The item's hash, as hashed when learned.
    Hash hashOf(const char* item);
    // The same count as decimal text, written again only when the count changed.
    const char* countText(const char* item);

  private:
    struct Entry {
        const char* name = nullptr;
        Hash hash = 0;
        int32_t count = 0;
        bool fresh = false;   // read during this frame
        int32_t written = -1; // the count that text holds
        char text[12] = "";
    };
    static constexpr int kCapacity = 16; // more than the flavours' ingredients together

    Entry* find(const char* item);
    int32_t inventory();

    Entry entries_[kCapacity];
    int used_ = 0;
    Ped player_ = 0;
    int32_t inventory_ = 0;
    bool inventoryRead_ = false;
    char unlisted_[12] = ""; // the count text of an item the full table could not learn
};

} // namespace corvale::business
