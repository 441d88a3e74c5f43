#pragma once
// Whether the player has a camp: the saved "operation.location" names one of the camp's
// places. Absent, -1, 0, an id of no place, or text that is no number: no camp. Also the
// typed reads of what the camp saved, which never stop the plug-in over a damaged value.
#include <cstdint>
#include <functional>
#include <string_view>

namespace corvale {

class DictDataFile;

class SavedCamp {
  public:
    // Whether an id names one of the camp's places (the camp location table).
    using PlaceTest = std::function<bool(int32_t id)>;

    SavedCamp(const DictDataFile& save, PlaceTest isCampLocation, const char* logPrefix);

    // A map search and a number read; text that is no number is logged once, until a
    // number is saved again.
    bool exists();

    // The saved location id as written, -1 when absent or not a number (logged once).
    int32_t locationId();
    // A saved number; absent gives fallback, and so does text that is no number, with one
    // log line naming the key.
    int32_t readInt(std::string_view key, int32_t fallback) const;
    float readFloat(std::string_view key, float fallback) const;

  private:
    const DictDataFile& save_;
    PlaceTest isCampLocation_;
    const char* logPrefix_;
    bool loggedBadText_ = false;
};

} // namespace corvale
