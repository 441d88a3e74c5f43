#include "missions/InfiltrationObjectiveProcessor.h"

#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <cstdio>

namespace corvale {

void InfiltrationObjectiveProcessor::showObjective() {
    char key[64];
    std::snprintf(key, sizeof key, "missions.camp_infiltration.objectives.%d",
                  static_cast<int>(setup_.objectiveType));
    kit_.notifications.showMessage(LangText(kit_.data, key));
}

} // namespace corvale
