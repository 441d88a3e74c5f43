#include "core/data/DataFiles.h"

#include "core/log/Log.h"

#include <memory>

namespace corvale {

namespace {

enum FileSlot { kLang, kGeneralMeta, kAi, kSavegame, kTutorialFlags, kFileCount };

std::unique_ptr<DictDataFile> gFiles[kFileCount];

DictDataFile* CreateAndLoad(FileSlot slot, const char* name, bool& loaded) {
    gFiles[slot] = std::make_unique<DictDataFile>(std::string("Corvale/") + name);
    loaded = gFiles[slot]->load();
    return gFiles[slot].get();
}

} // namespace

bool LoadDataFiles(const char* langFile) {
    ResetDataFiles();
    const struct {
        FileSlot slot;
        const char* name;
    } required[] = {{kLang, langFile},
                    {kGeneralMeta, "GeneralMeta.dat"},
                    {kAi, "AI.dat"},
                    {kSavegame, "Savegame.dat"}};
    bool loaded = false;
    for (const auto& file : required) {
        CreateAndLoad(file.slot, file.name, loaded);
        if (!loaded) return false;
    }
    CreateAndLoad(kTutorialFlags, "TutorialFlags.dat", loaded);
    if (!loaded) Log("TutorialFlags didn't load properly, continuing anyway.");
    return true;
}

DictDataFile* LangFile() {
    return gFiles[kLang].get();
}
DictDataFile* GeneralMetaFile() {
    return gFiles[kGeneralMeta].get();
}
DictDataFile* AiFile() {
    return gFiles[kAi].get();
}
DictDataFile* SavegameFile() {
    return gFiles[kSavegame].get();
}
DictDataFile* TutorialFlagsFile() {
    return gFiles[kTutorialFlags].get();
}

void ResetDataFiles() {
    for (auto& file : gFiles)
        file.reset();
}

} // namespace corvale
