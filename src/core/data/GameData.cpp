#include "core/data/GameData.h"

#include "core/data/ShippedFiles.h"
#include "core/log/Log.h"

namespace corvale {

namespace {
constexpr size_t kNewKeysInPlay = 16;
} // namespace

GameData::GameData(platform::FileOperations& files) : fileOperations_(files) {
    shippedGeneralMeta_.readLines(ShippedGeneralMetaText());
    shippedAi_.readLines(ShippedAiText());
}

bool GameData::createAndLoad(FileSlot slot, const char* name) {
    files_[slot] = std::make_unique<DictDataFile>(std::string("Corvale/") + name, fileOperations_);
    DictDataFile& file = *files_[slot];
    // Each flag stands for itself: one the player broke costs no other.
    if (slot == kTutorialFlags) file.skipBadLines();
    // What the game writes into during play: every tutorial's flag, the mission results.
    if (slot == kTutorialFlags || slot == kSavegame) file.keepRoomForNewKeys(kNewKeysInPlay);
    if (slot == kGeneralMeta) file.setShipped(&shippedGeneralMeta_);
    if (slot == kAi) file.setShipped(&shippedAi_);
    return file.load();
}

void GameData::useLangText(std::string_view text) {
    const std::string path =
        files_[kLang] ? files_[kLang]->path() : std::string("Corvale/Lang.dat");
    files_[kLang] = std::make_unique<DictDataFile>(path, fileOperations_);
    files_[kLang]->readLines(text);
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
    for (const auto& file : required) {
        const bool loaded = createAndLoad(file.slot, file.name);
        if (file.slot == kLang) langLoaded_ = loaded;
        if (!loaded) return false;
    }
    if (!createAndLoad(kTutorialFlags, "TutorialFlags.dat"))
        Log("TutorialFlags didn't load properly, continuing anyway.");
    return true;
}

} // namespace corvale
