#pragma once
// The kick-off: the player breaks the cook Clint out of the Valentine jail, escapes with him,
// loses the law, regroups and, talking to Clint, picks where the first camp goes. It costs
// the camp's moving fee; a player who cannot pay it cannot begin.
#include "core/events/EventInbox.h"
#include "core/natives/Handles.h"
#include "core/natives/Models.h"
#include "core/natives/Prompt.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/JailBreakout.h"
#include "missions/JailMarker.h"
#include "missions/PrisonGuard.h"
#include "missions/RescueFee.h"
#include "missions/RescuedCook.h"

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

    // Texts from the data's Lang.dat, the fee from its GeneralMeta.dat; the kick-off
    // tutorials through tutorials.
    CookRescueMission(const MissionKit& kit, const GameData& data, Tutorials& tutorials);
    // The location prompt goes with the mission.
    ~CookRescueMission() override;

    void update() override;
    // A pass leaves Clint to walk away; a reset or a failure deletes the guard and Clint.
    void cleanup() override;

  private:
    // What is shown at most once per mission object, a clean-up included.
    struct Shown {
        bool backDoorHint = false;
        bool guardKeysHint = false;
        bool lowHealthHint = false;
        bool selectLocation = false; // the pick's objective line
        bool fundsHelp = false;      // at the jail, while the player cannot pay
    };

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
    bool failWhenClintLeftBehind();
    bool spawnPeds();
    void resetToWaiting(State state);
    void arriveAtJail();
    void showBreakoutHints();
    void backToEscapeWhenWanted();
    bool locationPicked();
    const char* text(const char* key) const;
    void showHintOnce(bool& shown, const char* key);

    const GameData& data_;
    Tutorials& tutorials_;
    State state_ = State::Kickoff;
    JailMarker marker_;
    PrisonGuard guard_;
    RescuedCook clint_;
    JailBreakout jail_;
    JailBreakout::Way breakout_ = JailBreakout::Way::None;
    RescueFee fee_;
    Prompt chooseLocationPrompt_;
    // The picks of the location, read from the mission's start.
    events::EventCursor locationEvents_;
    Shown shown_;
    bool arrived_ = false;       // the jail's objective is up; a clean-up clears it
    bool pickHelpShown_ = false; // this visit of SelectLocation
    bool spawnFailed_ = false;
    int32_t spawnFailedAt_ = 0;
    Hash jailModels_[2]; // the deputy's and Clint's
    ModelWait jailModelWaits_[2];
};

} // namespace corvale
