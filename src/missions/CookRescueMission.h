#pragma once
// The kick-off: the player breaks the cook Clint out of the Valentine jail, escapes with him,
// loses the law, regroups and, talking to Clint, picks where the first camp goes. It costs
// the camp's moving fee; a player who cannot pay it cannot begin.
#include "core/events/EventInbox.h"
#include "core/natives/Groups.h"
#include "core/natives/Handles.h"
#include "core/natives/Prompt.h"
#include "missions/BaseMissionProcessor.h"

#include <cstdint>

namespace corvale {

class GameData;
class Tutorials;

class CookRescueMission final : public BaseMissionProcessor {
  public:
    enum class State : int32_t {
        Kickoff = 0,        // travelling to the jail; the peds appear within 120 m
        BreakOut = 1,       // opening the jail
        Extraction = 2,     // getting Clint out of the cell
        Escape = 3,         // getting away with Clint
        Regroup = 4,        // coming back to Clint
        SelectLocation = 5, // talking to Clint and picking the camp's place
        Finish = 6,         // Clint says goodbye; the mission passes
        InsufficientFunds = 666,
    };
    enum class Breakout : int32_t {
        None = 0,
        BackDoorBlast = 1,
        FrontDoorBlast = 2,
        LootedKeys = 3,
        PickpocketedKeys = 4,
    };

    // Texts from the data's Lang.dat, the fee from its GeneralMeta.dat; the kick-off
    // tutorials through tutorials.
    CookRescueMission(const MissionKit& kit, const GameData& data, Tutorials& tutorials);
    // The location prompt goes with the mission.
    ~CookRescueMission() override;

    void update() override;
    // A pass leaves Clint to walk away; a reset or a failure deletes the guard and Clint.
    void cleanup() override;

    State state() const { return state_; }
    Ped prisonGuard() const { return prisonGuard_; }
    Ped cook() const { return cook_; }
    const Prompt& locationPrompt() const { return chooseLocationPrompt_; }

  private:
    // States (one function each; transitions through setState).
    void kickoff();
    void breakOut();
    void extraction();
    void escape();
    void regroup();
    void selectLocation();
    void finish();
    void insufficientFunds();
    void setState(State state);

    // Steps.
    bool failOnDeath();
    bool spawnPeds();
    Ped spawnGuard();
    Ped spawnClint();
    void createMissionBlip();
    void resetToWaiting(State state);
    void openJail();
    void showBreakoutHints();
    void keepClintWithPlayer(Ped player);
    void backToEscapeWhenWanted();
    bool locationPicked();
    void releaseGuard();
    void deletePed(Ped& ped);
    void removeClintFromPlayerGroup();
    bool canPayFee() const;
    bool playerWanted() const;
    const char* text(const char* key) const;
    void showHintOnce(const char* flag, const char* key);

    // Jail routines.
    void updatePrisonGuard();
    void givePrisonGuardRound(Ped guard);
    Breakout detectBreakout();
    Breakout detectBlastOrLoot();
    Ped detectLaw();

    const GameData& data_;
    Tutorials& tutorials_;

    Blip missionBlip_ = 0;
    State state_ = State::Kickoff;
    Ped prisonGuard_ = 0;
    Ped cook_ = 0;
    Blip cookBlip_ = 0;
    Breakout breakout_ = Breakout::None;
    PedGroup group_ = 0;        // the player's group Clint joins
    PedGroup createdGroup_ = 0; // the group the mission made for it, 0 when it used the player's
    bool clintInGroup_ = false;
    Prompt chooseLocationPrompt_;
    char message_[200] = {};
    // The picks of the location and the pickpocketed deputy, read from the mission's start.
    events::EventCursor locationEvents_;
    events::EventCursor breakoutEvents_;

    int32_t feeDollars_ = 0;
    bool blipLocked_ = false;
    bool fundsHelpShown_ = false; // this visit of SelectLocation
    bool spawnFailed_ = false;
    int32_t spawnFailedAt_ = 0;

    // Names hashed once.
    Hash missionSprite_, companionStyle_, lockedModifier_;
    Hash explosionEvent_, lootEvent_, pickPocketEvent_;
    Hash keysItem_, keychainIcon_;
    Hash followTask_, mountTask_;
    Hash peeScenario_, idleScenarios_[2];
    Hash jailBreakCrime_;
};

} // namespace corvale
