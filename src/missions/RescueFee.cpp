#include "missions/RescueFee.h"

#include "core/data/GameData.h"
#include "core/natives/Money.h"
#include "core/text/TextFormat.h"
#include "site/CampFee.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr int32_t kHelpMs = 5000;
} // namespace

RescueFee::RescueFee(const GameData& data, Notifications& notifications)
    : data_(data), notifications_(notifications), dollars_(CampFee(data.generalMetaFile())) {}

bool RescueFee::canPay() const {
    return static_cast<int64_t>(PlayerCashCents()) >= static_cast<int64_t>(dollars_) * 100;
}

void RescueFee::showHelp() {
    char fee[16];
    std::snprintf(fee, sizeof fee, "%d", static_cast<int>(dollars_));
    FormatText(message_, LangText(data_, "missions.cook_rescue.insufficient_funds"), fee);
    notifications_.showHelpText(message_, kHelpMs);
}

} // namespace corvale
