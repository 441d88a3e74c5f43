#include "ui/Tutorials.h"

#include "core/data/DataFiles.h"
#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Random.h"
#include "ui/Notifications.h"

#include <string>

namespace corvale {

namespace {
constexpr int32_t kTutorialDurationMs = 10000;
} // namespace

void TriggerTutorial(const char* name, bool force) {
    const std::string tutorial = name ? name : "";
    DictDataFile* flags = TutorialFlagsFile();
    // Of RandomInt's five answers only 4 brings a shown tutorial back.
    if (!force && flags && flags->getBool(tutorial) && RandomInt(0, 5) <= 3) return;
    DictDataFile* lang = LangFile();
    ShowHelpText(lang ? lang->getString("tutorial." + tutorial).c_str() : "", kTutorialDurationMs);
    Log("Tutorials: triggered: " + tutorial);
    if (DebugToolsOn()) return;
    if (!flags) return;
    flags->setInt(tutorial, 1);
    flags->save(false);
}

} // namespace corvale
