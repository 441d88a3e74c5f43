#pragma once
// The fee for moving the camp, as the selector shows it, the ledger asks it and the move
// charges it.
#include <cstdint>
#include <string>

namespace corvale {

class DictDataFile;

// The largest fee in dollars whose cents still fit a 32-bit amount.
inline constexpr int32_t kMaxCampFee = 21474836;

// "camp.change_location_fee" of GeneralMeta.dat in whole dollars. Missing, negative or
// unreadable: 0, with a log line; above kMaxCampFee: kMaxCampFee, with a log line.
int32_t CampFee(const DictDataFile* generalMeta);

// The same fee for those who ask it every frame (the ledger, the move): read again only when
// the file's text changed, and a faulty value logged once per game run, not once per look.
class CampFeeReader {
  public:
    explicit CampFeeReader(const DictDataFile* generalMeta) : generalMeta_(generalMeta) {}

    int32_t dollars() const;
    // Always fits 32 bits.
    int32_t cents() const { return dollars() * 100; }

  private:
    const DictDataFile* generalMeta_;
    mutable bool warned_ = false;
    mutable bool read_ = false;
    mutable std::string text_; // the text the fee was last read from
    mutable int32_t fee_ = 0;
};

} // namespace corvale
