#include "ui/Tutorials.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Random.h"
#include "ui/Notifications.h"

#include <string>

namespace corvale {

namespace {
constexpr int32_t kTutorialDurationMs = 10000;
} // namespace

void Tutorials::trigger(const char* name, bool force) {
    const std::string tutorial = name ? name : "";
    DictDataFile* flags = data_.tutorialFlagsFile();
    // Of RandomInt's five answers only 4 brings a shown tutorial back.
    if (!force && flags && flags->getBool(tutorial) && RandomInt(0, 5) <= 3) return;
    DictDataFile* lang = data_.langFile();
    notifications_.showHelpText(lang ? lang->getString("tutorial." + tutorial).c_str() : "",
                                kTutorialDurationMs);
    Log("Tutorials: triggered: " + tutorial);
    if (debug_.on()) return;
    if (!flags) return;
    flags->setInt(tutorial, 1);
    flags->save(false);
}

} // namespace corvale
