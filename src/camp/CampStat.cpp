#include "camp/CampStat.h"

#include "core/events/EventChannel.h"
#include "core/events/Hundredths.h"

namespace corvale {

namespace {

// Lower bound first; a NaN (a damaged save value) lands on the lower bound too, so the
// statistic always stays a fraction.
float ClampFraction(float v) {
    if (!(v >= 0.0f)) v = 0.0f;
    if (v > 1.0f) v = 1.0f;
    return v;
}

} // namespace

void CampStat::notify() {
    if (eventHash_ == 0) return;
    events::SendCampEvent({eventHash_, events::ToHundredths(value_)});
}

float CampStat::add(float delta) {
    return set(value_ + delta);
}

float CampStat::multiply(float factor) {
    return set(value_ * factor);
}

float CampStat::set(float v) {
    value_ = ClampFraction(v);
    notify();
    return value_;
}

} // namespace corvale
