#pragma once
// The camp plug-in's world as its frame loop drives it, and the camp's composition root: the
// session owns the process-wide objects and hands them to the components it creates.
#include "ai/GuardSenses.h"
#include "ai/WhistleDetector.h"
#include "camp/CampManager.h"
#include "core/runtime/Session.h"
#include "missions/CampComplex.h"
#include "missions/MissionsManager.h"
#include "site/CampFee.h"
#include "site/CampInterface.h"
#include "ui/Notifications.h"
#include "ui/Tutorials.h"

#include <memory>

namespace corvale {

class CampSession final : public Session {
  public:
    CampSession();

    // The kit's objects the camp's components are handed: what the player is told and taught.
    Notifications& notifications() { return notifications_; }
    Tutorials& tutorials() { return tutorials_; }

    void createWorld() override;
    // The camp's frame: whistles, pending texts, missions, then the camp manager.
    void runFrame() override;
    // The pending help text and toast are shown.
    void flushPendingTexts();
    void showMessage(const char* text) override;
    void drawDebugText(const char* text) override;
    // F3: aborts the current mission, or starts a sabotage at the camp.
    void runDebugAction() override;

    // Null until createWorld.
    WhistleDetector* whistleDetector() const { return whistle_.get(); }
    CampInterface* campSet() const { return campSet_.get(); }
    const CampFeeReader* campFee() const { return fee_.get(); }
    MissionsManager* missions() const { return missions_.get(); }
    const CampComplexes& campComplexes() const { return complexes_; }
    CampManager* campManager() const { return manager_.get(); }

  private:
    Notifications notifications_;
    Tutorials tutorials_;
    CampComplexes complexes_;
    std::unique_ptr<WhistleDetector> whistle_;
    std::unique_ptr<GuardSenses> guardSenses_;
    std::unique_ptr<CampFeeReader> fee_;
    std::unique_ptr<CampInterface> campSet_;
    std::unique_ptr<MissionsManager> missions_;
    std::unique_ptr<CampManager> manager_;
};

// The camp plug-in's script entry, registered with the host at attach: makes the one session
// (it lives as long as the game) and runs start-up and the frame loop with it.
void CampMain();

} // namespace corvale
