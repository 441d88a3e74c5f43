#pragma once
// Whether the player has a camp: the saved "operation.location" names one of the camp's
// places. Absent, -1, 0, an id of no place, or text that is no number: no camp.
#include <cstdint>
#include <functional>

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

  private:
    const DictDataFile& save_;
    PlaceTest isCampLocation_;
    const char* logPrefix_;
    bool loggedBadText_ = false;
};

} // namespace corvale
