#pragma once
// The five process-wide dictionary data files, created and loaded once at start-up.
#include "core/data/DictDataFile.h"

namespace corvale {

// Creates and loads, in order, the language file (langFile: "Lang.dat" for the camp,
// "Lang2.dat" for the business plug-in), "GeneralMeta.dat", "AI.dat", "Savegame.dat" and
// "TutorialFlags.dat", each from "Corvale/". Stops with false at the first of the first
// four that fails to load; the files after it are not created. A TutorialFlags.dat that
// fails is logged and kept with whatever it read.
bool LoadDataFiles(const char* langFile = "Lang.dat");

// The files, null until created by LoadDataFiles.
DictDataFile* LangFile();
DictDataFile* GeneralMetaFile();
DictDataFile* AiFile();
DictDataFile* SavegameFile();
DictDataFile* TutorialFlagsFile();

// Forgets every file (tests start each case from nothing).
void ResetDataFiles();

} // namespace corvale
