// Prop sets: requested, loaded a few frames later, created at a place with the objects the
// camp looks for in them, deleted with those objects.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "world/Geometry.h"
#include "world/Lifecycle.h"

namespace sim {

namespace {

struct PlacedObject {
    const char* model;
    Vec3 offset; // from the set's origin, in the set's frame (y forward)
    float heading;
};

struct SetContents {
    const char* set;
    std::vector<PlacedObject> objects;
};

const std::vector<SetContents>& Contents() {
    static const std::vector<SetContents> contents = {
        {"pg_re_moonshinecampgroup02x",
         {{"P_STILL02X", {1.5f, 2.0f, 0}, 0}, {"p_journal_open01x", {-2.0f, 1.0f, 0.8f}, 90}}},
        {"pg_mp_moonshinecamp02x", {{"P_STILL02X", {1.0f, 1.5f, 0}, 0}}},
        {"pg_mp_moonshinecamp03x", {{"P_STILL02X", {-1.0f, 1.5f, 0}, 180}}},
    };
    return contents;
}

void PlaceObjects(Call& c, PropSetInstance& set) {
    World& w = c.w;
    for (const SetContents& contents : Contents()) {
        if (GameHash(contents.set) != set.name) continue;
        const Vec3 forward = Forward(set.heading);
        const Vec3 right{forward.y, -forward.x, 0};
        for (const PlacedObject& o : contents.objects) {
            const Vec3 at{set.position.x + right.x * o.offset.x + forward.x * o.offset.y,
                          set.position.y + right.y * o.offset.x + forward.y * o.offset.y,
                          set.position.z + o.offset.z};
            const uint32_t model = GameHash(o.model);
            w.hashNames.emplace(model, o.model);
            const int32_t object = w.spawn(EntityKind::Object, model, at, set.heading + o.heading);
            set.objects.push_back(object);
            c.trace("propset places " + std::string(o.model) + " #" + std::to_string(object) +
                    " at " + Describe(at));
        }
    }
}

PropSetInstance* Find(Call& c) {
    auto it = c.w.propSets.all.find(c.i(0));
    return it == c.w.propSets.all.end() ? nullptr : &it->second;
}

} // namespace

void RegisterPropsetNatives(NativeTable& t) {
    t.add(0xf3de57a46d5585e9, "_REQUEST_PROP_SET", "Hash", [](Call& c) {
        c.w.streaming.request(c.u(0), c.w.frame);
        c.r.setBool(true);
    });
    t.add(0x48a88fc684c55fdc, "_HAS_PROP_SET_LOADED", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(c.u(0), c.w.frame)); });
    t.add(0x899c97a1cce7d483, "_CREATE_PROP_SET_2",
          "Hash,float,float,float,int,float,float,BOOL,BOOL", [](Call& c) {
              World& w = c.w;
              if (!w.streaming.loaded(c.u(0), w.frame)) {
                  c.trace("create propset " + NameOf(w, c.u(0)) + " refused: not loaded");
                  return c.r.setInt(0);
              }
              const int32_t handle = w.propSets.nextHandle++;
              PropSetInstance& set = w.propSets.all[handle];
              set = PropSetInstance{c.u(0), c.vec(1), c.f(5), {}, false};
              c.trace("spawn propset " + NameOf(w, c.u(0)) + " #" + std::to_string(handle) +
                      " at " + Describe(c.vec(1)));
              PlaceObjects(c, set);
              c.r.setInt(handle);
          });
    // Releases the streaming request; created sets stay.
    t.add(0xb1964a83b345b4ab, "_RELEASE_PROP_SET", "Hash", [](Call& c) { c.r.setBool(true); });
    t.add(0x7dddcf815e650ff5, "DOES_PROP_SET_EXIST", "PropSet",
          [](Call& c) { c.r.setBool(Find(c) != nullptr); });
    // A set whose name a scenario made "never" load after it was placed reads as not loaded,
    // as one the game dropped.
    t.add(0xf42db680a8b2a4d9, "IS_PROP_SET_FULLY_LOADED", "PropSet", [](Call& c) {
        const PropSetInstance* set = Find(c);
        c.r.setBool(set != nullptr && c.w.streaming.never.count(set->name) == 0);
    });
    t.add(0x909e3c7fae539fb1, "_SET_PROP_SET_AS_NO_LONGER_NEEDED", "PropSet", [](Call& c) {
        PropSetInstance* set = Find(c);
        if (!set) return c.trace("release of unknown propset " + std::to_string(c.i(0)));
        set->released = true;
        c.trace("release propset #" + std::to_string(c.i(0)));
    });
    t.add(0x58ac173a55d9d7b4, "_DELETE_PROP_SET", "PropSet,BOOL,BOOL", [](Call& c) {
        PropSetInstance* set = Find(c);
        if (!set) return c.trace("delete of unknown propset " + std::to_string(c.i(0)));
        for (int32_t object : set->objects)
            RemoveEntity(c.sim, object);
        c.trace("delete propset " + NameOf(c.w, set->name) + " #" + std::to_string(c.i(0)));
        c.w.propSets.all.erase(c.i(0));
    });
}

} // namespace sim
