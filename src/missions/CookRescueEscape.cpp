// The way out: Clint leaves his cell, escapes with the player, regroups with him and, talked
// to, has the player pick where the camp goes.
#include "core/events/EventInbox.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Doors.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Law.h"
#include "core/natives/Money.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "core/text/TextFormat.h"
#include "missions/CookRescueMission.h"
#include "missions/JailPlaces.h"
#include "ui/Tutorials.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr float kCellReach = 2.5f;
constexpr int32_t kClintAmmo = 100;
constexpr int32_t kWantedScoreCap = 2000;
constexpr int32_t kWantedScoreEased = 1000;
constexpr float kBountyHuntersGiveUpRange = 200.0f;
constexpr float kEscapedRange = 150.0f;
constexpr float kRegroupRange = 30.0f;
constexpr float kLeftBehindRange = 400.0f;
} // namespace

// Out of his cell, Clint is the player's to bring along: a player who rides off 400 m from
// him has left him behind, and the mission fails; its clean-up takes the deputy, Clint and
// the blips out of the world, and the kick-off comes back like after any other failure.
bool CookRescueMission::failWhenClintLeftBehind() {
    if (Distance(PlayerPed(), clint_.ped()) <= kLeftBehindRange) return false;
    Log("CookRescueMission: player left Clint behind");
    setStatus(MissionStatus::Failed);
    return true;
}

void CookRescueMission::extraction() {
    guard_.update();
    const Ped player = PlayerPed();
    // With keys the player must come to the cell; a blast sets Clint free at once.
    if (!IsBlast(breakout_) && (InteriorOf(player) != jail::kJailInterior ||
                                Distance(player, jail::kCellPoint) >= kCellReach))
        return;
    clint_.joinPlayer(player);
    Log("CookRescueMission: Clint has been extracted from jail");
    jail_.detectLaw(guard_.ped());
    setObjective(text("missions.cook_rescue.objectives.2"), true);
    setState(State::Escape);
}

void CookRescueMission::escape() {
    if (locationPicked()) return setState(State::Finish);
    guard_.update();
    clint_.stayInGroup();
    const Ped cook = clint_.ped();
    const Ped player = PlayerPed();
    const int32_t playerIndex = PlayerIndex();
    const bool wanted = IsLawIncidentActive(PlayerIndex());
    const bool busy = CountPedsInCombatWith(player, 0) != 0;
    if (!wanted && !busy)
        jail_.detectLaw(guard_.ped());
    else
        guard_.release();

    if (!IsWeaponAGun(BestWeapon(cook, false, false)) && InteriorOf(cook) == 0)
        GiveWeapon(cook, weapons::kRevolverDoubleAction, kClintAmmo, true);
    if (WantedScore(playerIndex) > kWantedScoreCap) SetWantedScore(playerIndex, kWantedScoreEased);
    if (!busy && Distance(player, jail::kGuardPost) > kBountyHuntersGiveUpRange)
        ClearBountyHunterPursuit();
    if (kit().debugTools.on()) {
        char line[32];
        std::snprintf(line, sizeof line, "busy: %d", busy ? 1 : 0);
        kit().debugTools.drawText(line);
    }
    clint_.keepWithPlayer(player);
    if (EntityHealthFraction(cook) < 0.5f)
        showHintOnce(shown_.lowHealthHint, "missions.cook_rescue.hints.clint_low_health");

    if (Distance(player, getPosition()) <= kEscapedRange || wanted) return;
    if (LookupAtEntity(player) == zones::kValentine) return;
    if (Distance(cook, player) > kRegroupRange)
        setObjective(text("missions.cook_rescue.objectives.regroup"), true);
    setState(State::Regroup);
}

// The law on the player's heels sends him back to losing it; an open map is put away, so
// nothing is picked behind the mission's back.
void CookRescueMission::backToEscapeWhenWanted() {
    setObjective(text("missions.cook_rescue.objectives.lose_the_law"), true);
    ClearPedTasks(clint_.ped(), true, true);
    if (state_ == State::SelectLocation) {
        chooseLocationPrompt_.set(false, false);
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSelectorClose))});
    }
    setState(State::Escape);
}

void CookRescueMission::regroup() {
    if (locationPicked()) return setState(State::Finish);
    if (IsLawIncidentActive(PlayerIndex())) return backToEscapeWhenWanted();
    const Ped cook = clint_.ped();
    const Ped player = PlayerPed();
    if (Distance(cook, player) >= kRegroupRange) return;
    setObjective(text("missions.cook_rescue.objectives.interact_with_clint"), true);
    Sequence turn = OpenSequence();
    if (turn != kNoSequence) {
        if (IsPedOnMount(cook)) TaskDismountAnimal(0);
        TaskTurnToFaceEntity(0, player, -1);
        CloseSequence(turn);
        PerformSequence(cook, turn);
        ClearSequence(turn);
    }
    setState(State::SelectLocation);
}

void CookRescueMission::selectLocation() {
    if (IsLawIncidentActive(PlayerIndex())) return backToEscapeWhenWanted();
    if (TargetedEntity(PlayerIndex()) == clint_.ped() && !shown_.selectLocation) {
        shown_.selectLocation = true;
        setObjective(text("missions.cook_rescue.objectives.select_location"), true);
    }
    // The map is offered only to a player who can pay for the move.
    const bool canPay = fee_.canPay();
    chooseLocationPrompt_.offer(canPay);
    if (!canPay && !pickHelpShown_) {
        pickHelpShown_ = true;
        fee_.showHelp();
    }
    if (chooseLocationPrompt_.completed())
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSelectorOpen))});
    if (locationPicked()) setState(State::Finish);
}

// A pick the camp manager carries out: free, or paid by a player who has the fee now (the
// camp manager refuses a paid move the player cannot pay).
bool CookRescueMission::locationPicked() {
    bool picked = false;
    events::ForEachKeptEvent(locationEvents_, [&](const events::ScriptEvent& event) {
        if (picked || !event.is(events::kCampLocationChanged)) return;
        const bool free = event.word(2) != 0;
        if (!free && !fee_.canPay()) {
            Log("CookRescueMission: a camp location the player cannot pay for is not taken");
            return;
        }
        Log("CookRescueMission: camp location has been selected.");
        picked = true;
    });
    if (picked) chooseLocationPrompt_.set(false, false);
    return picked;
}

void CookRescueMission::finish() {
    PedSay(clint_.ped(), "GENERIC_GOODBYE");
    clint_.leaveGroup();
    TaskWalkAway(clint_.ped(), PlayerPed());
    setStatus(MissionStatus::Passed);
    tutorials_.trigger("kickoff_complete", false);
}

} // namespace corvale
