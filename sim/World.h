#pragma once
// The simulated world the plug-ins act in. Each family of natives reads and changes its
// part; scenario commands set it up and expectations read it.
#include "world/Blips.h"
#include "world/Cameras.h"
#include "world/Clock.h"
#include "world/Controls.h"
#include "world/Developer.h"
#include "world/Draws.h"
#include "world/EntityStates.h"
#include "world/Events.h"
#include "world/Ground.h"
#include "world/HudContexts.h"
#include "world/ItemInteractions.h"
#include "world/Law.h"
#include "world/MapState.h"
#include "world/PedTasks.h"
#include "world/Peds.h"
#include "world/Perception.h"
#include "world/Pools.h"
#include "world/Prompts.h"
#include "world/PropSets.h"
#include "world/Screen.h"
#include "world/ScreenEffects.h"
#include "world/Streaming.h"
#include "world/Vec3.h"
#include "world/Vehicles.h"
#include "world/Weapons.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

enum class EntityKind { Ped, Object, Vehicle };

struct Entity {
    EntityKind kind = EntityKind::Object;
    uint32_t model = 0;
    Vec3 position;
    float heading = 0;
    bool alive = true;     // a destroyed vehicle or object is not
    bool byPlugin = false; // created by a plug-in (released or not)
};

struct Player {
    int32_t ped = 0;                   // entity handle of the player's ped
    int32_t index = 0;                 // player index
    int32_t cashCents = 0;             // as the game keeps it: a signed 32-bit count of cents
    std::map<uint32_t, int32_t> items; // inventory by item hash
    bool wanted = false;
    bool dead = false;
    bool inCombat = false;
    bool arrested = false; // the law has him in hand
    bool crouching = false;
    int32_t horse = 0;            // saddle horse ped, 0 when none
    float driveSpeed = 0;         // m/s he drives the vehicle he sits on at, 0 stopped
    uint64_t shootingFrame = 0;   // the frame in which the player uses a weapon
    uint32_t weapon = 0xA2719263; // current weapon hash, "WEAPON_UNARMED"
    int32_t interior = 0;         // the interior the player stands in, 0 out of doors
    uint32_t zone = 0;            // the map zone where the player stands, 0 none set
};

// Text handles: a literal handle is a pointer to the simulator's copy of the text, as the
// game returns a pointer to its own string storage.
class TextHandles {
  public:
    uint64_t make(std::string text);
    // The text of a handle made here, or nullptr.
    const std::string* resolve(uint64_t handle) const;

  private:
    static constexpr size_t kKept = 4096;
    std::deque<std::string> texts_;
    std::unordered_map<uint64_t, size_t> index_; // handle -> serial
    size_t firstSerial_ = 0;
};

struct World {
    int32_t gameTimer = 0; // ms; 0 before the first frame
    uint64_t frame = 0;    // frames run so far
    int32_t frameMs = 33;  // the game timer's step
    Clock clock;
    float wind = 0, rain = 0;
    int32_t timerBBase = 0; // game timer at which the script timer B read 0

    Player player;
    std::map<int32_t, Entity> entities;
    int32_t nextHandle = 0x100;

    TextHandles texts;
    std::unordered_map<uint32_t, std::string> hashNames; // every name hashed so far
    std::vector<std::string> messages;                   // one-shot on-screen messages, in order
    DeveloperState developer;
    Streaming streaming;
    Prompts prompts;
    Ground ground;
    PropSets propSets;
    Peds peds;
    EntityStates entityStates;
    Weapons weapons;
    EventQueues events;
    Screen screen;           // drawn texts and sprites, feeds, sounds
    Controls controls;       // game controls by hash
    Cameras cameras;         // scripted cameras
    HudContexts hudContexts; // HUD layouts switched on
    PedTasks pedTasks;       // scenarios played, pace limits
    Vehicles vehicles;       // seats, draft horses, speed, prop sets carried
    Pools pools;             // task sequences, item sets, ped groups
    Blips blips;
    MapState map;           // navigation mesh, safe coordinates, doors, walls
    ScreenEffects effects;  // fade, HUD, radar, post effects
    Perception perception;  // noise, recent AI events
    ItemInteractions items; // items in peds' hands
    Law law;
    Draws draws; // random answers a scenario fixed

    int32_t spawn(EntityKind kind, uint32_t model, Vec3 position, float heading);
    Entity* entity(int32_t handle);
    const Entity* entity(int32_t handle) const;
    // A ped that exists (the player's included), or nullptr.
    Entity* ped(int32_t handle);
    const Entity* ped(int32_t handle) const;
    // The nearest entity of a kind and model to a point, living ones only when asked.
    int32_t nearest(EntityKind kind, uint32_t model, Vec3 from, bool livingOnly) const;
};

} // namespace sim
