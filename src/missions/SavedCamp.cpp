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
    const int32_t id = locationId();
    // The two ways an older save says "no camp", not worth a failed look-up each.
    if (id == kNoCampId || id == 0) return false;
    return isCampLocation_(id);
}

int32_t SavedCamp::locationId() {
    const std::string& text = save_.getString("operation.location");
    if (text.empty()) return kNoCampId;
    try {
        const int32_t id = ParseInt(text.c_str());
        loggedBadText_ = false;
        return id;
    } catch (const std::exception&) {
        if (!loggedBadText_)
            Log(std::string(logPrefix_) + "saved camp location is not a number: " + text);
        loggedBadText_ = true;
        return kNoCampId;
    }
}

int32_t SavedCamp::readInt(std::string_view key, int32_t fallback) const {
    const std::string& text = save_.getString(key);
    if (text.empty()) return fallback;
    try {
        return ParseInt(text.c_str());
    } catch (const std::exception&) {
        Log(std::string(logPrefix_) + "saved " + std::string(key) + " is not a number: " + text);
        return fallback;
    }
}

float SavedCamp::readFloat(std::string_view key, float fallback) const {
    const std::string& text = save_.getString(key);
    if (text.empty()) return fallback;
    try {
        return ParseFloat(text.c_str());
    } catch (const std::exception&) {
        Log(std::string(logPrefix_) + "saved " + std::string(key) + " is not a number: " + text);
        return fallback;
    }
}

} // namespace corvale
