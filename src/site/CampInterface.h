#pragma once
// The physical camp in the world: the camp prop group at the current location, the cook's
// work spot, a drinks crate, a hitching post, the cook, the blips of the camp and the still,
// and the bits of shared state the camp's interactions read. Created once at start-up and
// shared; the camp manager decides when to build and remove it.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"
#include "site/CampLocation.h"

#include <vector>

namespace corvale {

class GameData;

class CampInterface final {
  public:
    // Blip and cook names are read from the data's Lang.dat.
    explicit CampInterface(const GameData& data) : data_(data) {}
    CampInterface(const CampInterface&) = delete;
    CampInterface& operator=(const CampInterface&) = delete;

    // Queries
    const CampLocation* location() const { return location_; }
    // A location is set and the game still has the camp prop group.
    bool isBuilt() const;
    // The location's position when built, else the zero vector.
    Vector3 position() const;
    Ped cook() const { return cook_; }
    Blip stillBlip() const { return stillBlip_; }
    Blip campBlip() const { return campBlip_; }
    Object crate() const { return crate_; }
    // The still and the ledger of the prop group once built (looked up once, again when the
    // game lost them), else 0. They do not ask the game whether the group still stands.
    Object findStill();
    Object findLedger();
    // Something placed by build is still ours: a prop group, a prop or the cook (also when
    // the game has dropped the camp group itself).
    bool holdsProps() const;

    // Operations
    // Makes location the current one (null: no camp); the camp blip moves with it.
    void setLocation(const CampLocation* location);
    // Places the prop group and the camp's props at the location; false when there is no
    // location or the group did not load.
    bool build(Hash propGroup);
    // The cook, spawned once per built camp; 0 when not built or he could not be spawned.
    Ped spawnCook(bool armed);
    // The still's blip, made once; 0 when there is no still to mark.
    Blip ensureStillBlip();
    void removeStillBlip();
    // Removes everything the camp set placed: prop groups, props, cook and blips. The
    // location and the shared state stay.
    void remove();

    // Shared state
    bool menuOpen = false;     // the still menu of the business plug-in is open
    bool herbsPending = false; // a flavour was chosen; its herbs wait to go into the still
    Hash herbs[3] = {0, 0, 0}; // inventory items of the pending herbs

  private:
    void createCampBlip();
    void removeAllBlips();
    Object findNear(Object& cached, const char* model, float radius);

    const GameData& data_;
    const CampLocation* location_ = nullptr;
    PropSet propset_ = 0;
    Object still_ = 0;
    Blip stillBlip_ = 0;
    Object crate_ = 0;
    Object ledger_ = 0;
    std::vector<PropSet> propsets_; // the camp group and the cook's work spot
    std::vector<Entity> objects_;   // crate, hitching post, cook
    std::vector<Blip> blips_;       // camp blip, still blip
    Blip campBlip_ = 0;
    Ped cook_ = 0;
};

} // namespace corvale
