#include "missions/BaseMissionProcessor.h"

#include "core/natives/Controls.h"
#include "core/natives/Entity.h"
#include "core/natives/Missions.h"
#include "core/natives/Player.h"
#include "core/natives/Propsets.h"
#include "core/natives/Strings.h"

#include <cstring>

namespace corvale {

namespace {
// The longest prefix of text that fits in size - 1 bytes without cutting a UTF-8 character.
size_t FittingLength(const char* text, size_t size) {
    size_t length = std::strlen(text);
    if (length < size) return length;
    length = size - 1;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}
} // namespace

BaseMissionProcessor::BaseMissionProcessor(MissionType type, MissionStatus status,
                                           const Vector3& position, const MissionKit& kit)
    : kit_(kit), type_(type), position_(position), status_(status),
      revealHud_(HashString("INPUT_REVEAL_HUD")) {}

void BaseMissionProcessor::tick() {
    switch (status_) {
    case MissionStatus::Waiting:
        update();
        return;
    case MissionStatus::Running:
        if (IsPlayerDead(PlayerIndex())) {
            setStatus(MissionStatus::Failed);
            return;
        }
        if (IsControlJustPressed(revealHud_) && objective_[0] != '\0') kit_.notifications.showMessage(objective_);
        update();
        return;
    case MissionStatus::Passed:
    case MissionStatus::Failed:
        return;
    }
}

void BaseMissionProcessor::cleanup() {
    const bool debug = kit_.debugTools.on();
    for (Entity& entity : entities_) {
        if (debug) DeleteEntity(entity);
        else ReleaseEntity(entity);
    }
    for (PropSet propSet : propSets_) {
        if (debug) DeletePropSet(propSet, true, true);
        else ReleasePropSet(propSet);
    }
    entities_.clear();
    propSets_.clear();
    objective_[0] = '\0';
}

void BaseMissionProcessor::onStatusChanged(MissionStatus, MissionStatus) {}

void BaseMissionProcessor::setStatus(MissionStatus status) {
    if (IsTerminated(status_)) return;
    const MissionStatus old = status_;
    status_ = status;
    SetMissionFlag(status == MissionStatus::Running);
    if (old != status) onStatusChanged(old, status);
}

Entity BaseMissionProcessor::addEntity(Entity entity) {
    if (entity != 0) entities_.push_back(entity);
    return entity;
}

void BaseMissionProcessor::dropEntity(Entity entity) {
    std::erase(entities_, entity);
}

void BaseMissionProcessor::deleteEntity(Entity entity) {
    if (entity == 0) return;
    dropEntity(entity);
    if (EntityExists(entity)) DeleteEntity(entity);
}

PropSet BaseMissionProcessor::addPropSet(PropSet propSet) {
    if (propSet != 0) propSets_.push_back(propSet);
    return propSet;
}

bool BaseMissionProcessor::arePropSetsLoaded() const {
    for (PropSet propSet : propSets_) {
        if (!IsPropSetLoaded(propSet)) return false;
    }
    return true;
}

void BaseMissionProcessor::setObjective(const char* text, bool show) {
    const size_t length = FittingLength(text, kObjectiveSize);
    std::memcpy(objective_, text, length);
    objective_[length] = '\0';
    if (show && length > 0) kit_.notifications.showMessage(objective_);
}

} // namespace corvale
