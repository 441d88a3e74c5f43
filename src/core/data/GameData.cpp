#include "core/data/GameData.h"

#include "core/log/Log.h"

namespace corvale {

bool GameData::createAndLoad(FileSlot slot, const char* name) {
    files_[slot] = std::make_unique<DictDataFile>(std::string("Corvale/") + name, fileOperations_);
    return files_[slot]->load();
}

bool GameData::loadFiles(const char* langFile) {
    for (auto& file : files_)
        file.reset();
    const struct {
        FileSlot slot;
        const char* name;
    } required[] = {{kLang, langFile},
                    {kGeneralMeta, "GeneralMeta.dat"},
                    {kAi, "AI.dat"},
                    {kSavegame, "Savegame.dat"}};
    for (const auto& file : required)
        if (!createAndLoad(file.slot, file.name)) return false;
    if (!createAndLoad(kTutorialFlags, "TutorialFlags.dat"))
        Log("TutorialFlags didn't load properly, continuing anyway.");
    return true;
}

} // namespace corvale
