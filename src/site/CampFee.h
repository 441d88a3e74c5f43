#pragma once
// The fee for moving the camp, as the selector shows it and the move charges it.
#include <cstdint>

namespace corvale {

class DictDataFile;

// The largest fee in dollars whose cents still fit a 32-bit amount.
inline constexpr int32_t kMaxCampFee = 21474836;

// "camp.change_location_fee" of GeneralMeta.dat in whole dollars. Missing, negative or
// unreadable: 0, with a log line; above kMaxCampFee: kMaxCampFee, with a log line.
int32_t CampFee(const DictDataFile* generalMeta);

} // namespace corvale
