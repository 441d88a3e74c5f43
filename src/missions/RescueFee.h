#pragma once
// The camp's moving fee that the cook rescue asks of the player before it begins and again
// before the map is offered, and the help that tells a player short of it.
#include <cstdint>

namespace corvale {

class GameData;
class Notifications;

class RescueFee final {
  public:
    // The fee is read once, from the data's GeneralMeta.dat.
    RescueFee(const GameData& data, Notifications& notifications);
    RescueFee(const RescueFee&) = delete;
    RescueFee& operator=(const RescueFee&) = delete;

    bool canPay() const;
    // "missions.cook_rescue.insufficient_funds" with the fee in dollars.
    void showHelp();

  private:
    const GameData& data_;
    Notifications& notifications_;
    int32_t dollars_;
    char message_[200] = {};
};

} // namespace corvale
