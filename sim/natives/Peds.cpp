// Peds: creation, relationship groups, speech, the peds around a ped, deletion.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

void CreatePed(Simulator& sim, const NativeArgs& a, NativeResult& r) {
    World& w = sim.world();
    const uint32_t model = a.u(0);
    if (!w.streaming.loaded(model, w.frame)) {
        sim.trace("create ped " + NameOf(w, model) + " refused: model not loaded");
        return r.setInt(0);
    }
    const int32_t ped = w.spawn(EntityKind::Ped, model, a.vec(1), a.f(4));
    w.peds.state[ped].relationship = GameHash("REL_CIVMALE");
    sim.trace("spawn ped " + NameOf(w, model) + " #" + std::to_string(ped) + " at " +
              Describe(a.vec(1)) + " heading " + std::to_string(static_cast<int>(a.f(4))));
    r.setInt(ped);
}

void PlaySpeech(Simulator& sim, const NativeArgs& a, NativeResult& r) {
    World& w = sim.world();
    const uint64_t* block = a.p<const uint64_t>(1);
    if (!block) return sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE with no parameter block");
    const auto* line = reinterpret_cast<const char*>(block[0]);
    const auto* voice = reinterpret_cast<const char*>(block[1]);
    if (!line || !voice)
        return sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE without line or voice text");
    if (!w.entity(a.i(0))) return r.setBool(false);
    w.peds.said.push_back(SpokenLine{a.i(0), line, voice});
    w.peds.state[a.i(0)].speakingUntil = w.frame + w.peds.speechFrames;
    sim.trace("#" + std::to_string(a.i(0)) + " says " + line);
    r.setBool(true);
}

// The caller's sized array: capacity in the low 32 bits of slot 0, one handle per 8-byte slot
// after it. Peds within the radius of the ped, itself excluded, in the order they were created.
void NearbyPeds(Simulator& sim, const NativeArgs& a, NativeResult& r) {
    World& w = sim.world();
    auto* array = a.p<uint64_t>(1);
    const Entity* self = w.entity(a.i(0));
    if (!array) return sim.fault("GET_PED_NEARBY_PEDS with no array");
    if (!self) return r.setInt(0);
    const int32_t capacity = static_cast<int32_t>(static_cast<uint32_t>(array[0]));
    const float r2 = w.peds.nearbyRadius * w.peds.nearbyRadius;
    int32_t count = 0;
    for (const auto& [handle, e] : w.entities) {
        if (count >= capacity) break;
        if (handle == a.i(0) || e.kind != EntityKind::Ped) continue;
        const float dx = e.position.x - self->position.x, dy = e.position.y - self->position.y,
                    dz = e.position.z - self->position.z;
        if (dx * dx + dy * dy + dz * dz > r2) continue;
        WriteU32(&array[1 + count], static_cast<uint32_t>(handle));
        ++count;
    }
    r.setInt(count);
}

} // namespace

void RegisterPedNatives(NativeTable& t) {
    t.add(0xd49f9b0955c367de, "CREATE_PED", "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL",
          CreatePed);
    t.add(0x1913fe4cbf41c463, "SET_PED_CONFIG_FLAG", "Ped,int,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().entity(a.i(0)))
                  sim.world().peds.state[a.i(0)].configFlags[a.i(1)] = a.b(2);
          });
    t.add(0x283978a15512b2fe, "_SET_RANDOM_OUTFIT_VARIATION", "Ped,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().entity(a.i(0))) sim.world().peds.state[a.i(0)].randomOutfit = a.b(1);
          });
    t.add(0x7dbdd04862d95f04, "GET_PED_RELATIONSHIP_GROUP_HASH", "Ped",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              if (a.i(0) == w.player.ped) return r.setU32(GameHash("PLAYER"));
              auto it = w.peds.state.find(a.i(0));
              r.setU32(it == w.peds.state.end() ? 0 : it->second.relationship);
          });
    t.add(0x729072355fa39ec9, "IS_ANY_SPEECH_PLAYING", "Ped",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              auto it = w.peds.state.find(a.i(0));
              r.setBool(it != w.peds.state.end() && w.frame < it->second.speakingUntil);
          });
    t.add(0x8e04fedd28d42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", "Ped,Any*", PlaySpeech);
    t.add(0x23f8f5fc7e8c4a6b, "GET_PED_NEARBY_PEDS", "Ped,Any*,int,int", NearbyPeds);
    t.add(0xcc0ef140f99365c5, "DELETE_PED", "Ped*",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              DeleteThroughHandle(sim, a.p<int32_t>(0), "DELETE_PED");
          });
}

} // namespace sim
