#pragma once
// The rival still must be ruined: the player finds it, then blows it up or poisons it with
// oleander sage by putting the herb in as a cook would.
#include "ai/PutHerbsInStillTask.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Prompt.h"
#include "missions/InfiltrationObjectiveProcessor.h"

#include <memory>

namespace corvale {

class GameTimer;

class StillSabotageObjective final : public InfiltrationObjectiveProcessor {
  public:
    StillSabotageObjective(const SabotageSetup& setup, const InfiltrationKit& kit);

    void tick() override;
    void cleanup() override;

    Object still() const { return still_; }
    const Prompt& poisonPrompt() const { return poisonPrompt_; }

  private:
    // Every 500 ms until the game finds a still within 30 m of the still position.
    void lookForStill();
    void markStill();
    void detectBlast();
    void offerPoison();
    void followPoisoning();
    // Logs the line (shown on screen too while the debug tools are on) and completes.
    void complete(const char* logLine);

    Blip stillBlip_ = 0;
    Object still_ = 0;
    Prompt poisonPrompt_;
    std::unique_ptr<PutHerbsInStillTask> herbsTask_;
    GameTimer* searchTimer_;
    bool searchLogged_ = false;
    // Once per objective: near the still the player is told how to ruin it.
    bool tutorialShown_ = false;

    // Names hashed once.
    Hash stillModel_, stillSprite_, herb_, explosionEvent_;
};

} // namespace corvale
