#pragma once
// What a plug-in reads from the "Corvale" folder: the five dictionary files and the
// Settings.ini switches. Each plug-in makes one at start-up and hands it to whoever reads
// tuning, texts, the save or the tutorial flags; a test makes its own.
#include "core/data/DictDataFile.h"
#include "core/data/Settings.h"

#include <memory>

namespace corvale {

class GameData {
  public:
    // The files' saves go through files, the system's unless a test makes them fail.
    explicit GameData(platform::FileOperations& files = platform::SystemFiles());
    GameData(const GameData&) = delete;
    GameData& operator=(const GameData&) = delete;

    // Creates and loads, in order, the language file (langFile: "Lang.dat" for the camp,
    // "Lang2.dat" for the business plug-in), "GeneralMeta.dat", "AI.dat", "Savegame.dat" and
    // "TutorialFlags.dat", each from "Corvale/", forgetting the files of an earlier load.
    // Stops with false at the first of the first four that fails to load; the files after it
    // are not created. A TutorialFlags.dat that fails is logged and kept with what it read;
    // a bad line in it is skipped and the flags after it are read. A value of GeneralMeta.dat
    // or AI.dat that no getter can use stands back for the shipped one.
    bool loadFiles(const char* langFile = "Lang.dat");

    // Whether the language file loaded whole at the last loadFiles.
    bool langFileLoaded() const { return langLoaded_; }
    // Replaces the language file by one read from text (the texts built into the plug-in).
    void useLangText(std::string_view text);

    // The files, null until loadFiles created them.
    DictDataFile* langFile() const { return files_[kLang].get(); }
    DictDataFile* generalMetaFile() const { return files_[kGeneralMeta].get(); }
    DictDataFile* aiFile() const { return files_[kAi].get(); }
    DictDataFile* savegameFile() const { return files_[kSavegame].get(); }
    DictDataFile* tutorialFlagsFile() const { return files_[kTutorialFlags].get(); }

    // The file steps the data files and the plug-in's other files go through.
    platform::FileOperations& files() const { return fileOperations_; }

    // The player's switches, read by settings().load at start-up.
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

  private:
    enum FileSlot { kLang, kGeneralMeta, kAi, kSavegame, kTutorialFlags, kFileCount };

    bool createAndLoad(FileSlot slot, const char* name);

    platform::FileOperations& fileOperations_;
    std::unique_ptr<DictDataFile> files_[kFileCount];
    // The tuning files as shipped, built into the plug-in.
    DictDataFile shippedGeneralMeta_{"GeneralMeta.dat as shipped"};
    DictDataFile shippedAi_{"AI.dat as shipped"};
    Settings settings_;
    bool langLoaded_ = false;
};

} // namespace corvale
