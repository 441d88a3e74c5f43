#include "business/LoadedDictionaries.h"

#include "core/natives/TextureDictionaries.h"

#include <cstring>

namespace corvale::business {

void LoadedDictionaries::beginFrame() {
    int kept = 0;
    for (int i = 0; i < count_; ++i)
        if (entries_[i].loaded) entries_[kept++] = entries_[i];
    count_ = kept;
}

void LoadedDictionaries::makeSureLoaded(const char* dict) {
    for (int i = 0; i < count_; ++i)
        if (std::strcmp(entries_[i].name, dict) == 0) return;
    const bool loaded = TextureDictLoaded(dict);
    if (!loaded) RequestTextureDict(dict);
    if (count_ < kCapacity) entries_[count_++] = {dict, loaded};
}

void LoadedDictionaries::drawSprite(const char* dict, const char* texture, const ScreenBox& box,
                                    Rgba colour) {
    makeSureLoaded(dict);
    DrawSprite(dict, texture, box, colour, ScreenLayer::Hud);
}

} // namespace corvale::business
