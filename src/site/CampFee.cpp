#include "site/CampFee.h"

#include "core/data/DictDataFile.h"
#include "core/log/Log.h"

#include <string>

namespace corvale {

namespace {
constexpr const char* kFeeKey = "camp.change_location_fee";
// What a missing key reads as; the shipped file always has the key.
constexpr int32_t kMissing = -999;

// The fee and, when the file's value could not be used as it stands, the log line why.
int32_t ReadFee(const DictDataFile* generalMeta, std::string* complaint) {
    // Text that is no number reads as the shipped fee, logged by the file once.
    const int32_t fee = generalMeta ? generalMeta->getInt(kFeeKey, kMissing) : kMissing;
    if (fee < 0) {
        if (complaint)
            *complaint = std::string("CampFee: ") + kFeeKey + " is missing or negative (" +
                         std::to_string(fee) + "), the camp moves for free";
        return 0;
    }
    if (fee > kMaxCampFee) {
        if (complaint)
            *complaint = std::string("CampFee: ") + kFeeKey + " of " + std::to_string(fee) +
                         " dollars is more than the game counts, capped at " +
                         std::to_string(kMaxCampFee);
        return kMaxCampFee;
    }
    return fee;
}

} // namespace

int32_t CampFee(const DictDataFile* generalMeta) {
    std::string complaint;
    const int32_t fee = ReadFee(generalMeta, &complaint);
    if (!complaint.empty()) Log(complaint);
    return fee;
}

int32_t CampFeeReader::dollars() const {
    static const std::string kNone;
    const std::string& text = generalMeta_ ? generalMeta_->getString(kFeeKey) : kNone;
    if (read_ && text == text_) return fee_;
    std::string complaint;
    fee_ = ReadFee(generalMeta_, warned_ ? nullptr : &complaint);
    text_ = text;
    read_ = true;
    if (!complaint.empty()) {
        Log(complaint);
        warned_ = true;
    }
    return fee_;
}

} // namespace corvale
