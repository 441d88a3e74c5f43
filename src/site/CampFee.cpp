#include "site/CampFee.h"

#include "core/data/DictDataFile.h"
#include "core/log/Log.h"

#include <stdexcept>
#include <string>

namespace corvale {

namespace {
constexpr const char* kFeeKey = "camp.change_location_fee";
// What a missing key reads as; the shipped file always has the key.
constexpr int32_t kMissing = -999;
} // namespace

int32_t CampFee(const DictDataFile* generalMeta) {
    int32_t fee = kMissing;
    try {
        if (generalMeta) fee = generalMeta->getInt(kFeeKey, kMissing);
    } catch (const std::exception&) {
        Log(std::string("CampFee: ") + kFeeKey + " is not a number, the camp moves for free");
        return 0;
    }
    if (fee < 0) {
        Log(std::string("CampFee: ") + kFeeKey + " is missing or negative (" + std::to_string(fee) +
            "), the camp moves for free");
        return 0;
    }
    if (fee > kMaxCampFee) {
        Log(std::string("CampFee: ") + kFeeKey + " of " + std::to_string(fee) +
            " dollars is more than the game counts, capped at " + std::to_string(kMaxCampFee));
        return kMaxCampFee;
    }
    return fee;
}

} // namespace corvale
