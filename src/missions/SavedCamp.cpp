#include "missions/SavedCamp.h"

#include "core/data/DictDataFile.h"
#include "core/data/NumberText.h"
#include "core/log/Log.h"

#include <exception>
#include <string>

namespace corvale {

namespace {
constexpr int32_t kNoCampId = -1;
} // namespace

SavedCamp::SavedCamp(const DictDataFile& save, PlaceTest isCampLocation, const char* logPrefix)
    : save_(save), isCampLocation_(std::move(isCampLocation)), logPrefix_(logPrefix) {}

bool SavedCamp::exists() {
    const std::string& text = save_.getString("operation.location");
    if (text.empty()) return false;
    int32_t id = 0;
    try {
        id = ParseInt(text.c_str());
    } catch (const std::exception&) {
        if (!loggedBadText_)
            Log(std::string(logPrefix_) + "saved camp location is not a number: " + text);
        loggedBadText_ = true;
        return false;
    }
    loggedBadText_ = false;
    // The two ways an older save says "no camp", not worth a failed look-up each.
    if (id == kNoCampId || id == 0) return false;
    return isCampLocation_(id);
}

} // namespace corvale
