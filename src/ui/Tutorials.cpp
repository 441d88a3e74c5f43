#include "ui/Tutorials.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Random.h"
#include "ui/Notifications.h"

#include <cstring>
#include <string>
#include <string_view>

namespace corvale {

namespace {
constexpr int32_t kTutorialDurationMs = 10000;
constexpr std::string_view kTextPrefix = "tutorial.";
} // namespace

// The key is put together on the stack: a tutorial shown during a fight (a raid's first
// round) costs the frame no allocation.
void Tutorials::trigger(const char* name, bool force) {
    const std::string_view tutorial = name ? name : "";
    DictDataFile* flags = data_.tutorialFlagsFile();
    // Of RandomInt's five answers only 4 brings a shown tutorial back.
    if (!force && flags && flags->getBool(tutorial) && RandomInt(0, 5) <= 3) return;
    if (DictDataFile* lang = data_.langFile()) {
        char key[128];
        if (kTextPrefix.size() + tutorial.size() < sizeof key) {
            std::memcpy(key, kTextPrefix.data(), kTextPrefix.size());
            std::memcpy(key + kTextPrefix.size(), tutorial.data(), tutorial.size());
            const std::string_view text(key, kTextPrefix.size() + tutorial.size());
            notifications_.showHelpText(lang->getString(text).c_str(), kTutorialDurationMs);
        } else {
            notifications_.showHelpText(
                lang->getString(std::string(kTextPrefix) + std::string(tutorial)).c_str(),
                kTutorialDurationMs);
        }
    } else {
        notifications_.showHelpText("", kTutorialDurationMs);
    }
    Log("Tutorials: triggered: ", tutorial);
    if (debug_.on()) return;
    if (!flags) return;
    flags->setInt(tutorial, 1);
    flags->save(false);
}

} // namespace corvale
