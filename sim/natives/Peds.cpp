// Peds: creation, relationship groups, speech, the peds around a ped, deletion.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

void CreatePed(Call& c) {
    World& w = c.w;
    const uint32_t model = c.u(0);
    if (!w.streaming.loaded(model, w.frame)) {
        c.sim.trace("create ped " + NameOf(w, model) + " refused: model not loaded");
        return c.r.setInt(0);
    }
    const int32_t ped = w.spawn(EntityKind::Ped, model, c.vec(1), c.f(4));
    w.entities[ped].byPlugin = true;
    w.peds.state[ped].relationship = GameHash("REL_CIVMALE");
    c.sim.trace("spawn ped " + NameOf(w, model) + " #" + std::to_string(ped) + " at " +
                Describe(c.vec(1)) + " heading " + std::to_string(static_cast<int>(c.f(4))));
    c.r.setInt(ped);
}

void PlaySpeech(Call& c) {
    World& w = c.w;
    const uint64_t* block = c.p<const uint64_t>(1);
    if (!block) return c.sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE with no parameter block");
    const auto* line = reinterpret_cast<const char*>(block[0]);
    const auto* voice = reinterpret_cast<const char*>(block[1]);
    if (!line || !voice)
        return c.sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE without line or voice text");
    if (!w.entity(c.i(0))) return c.r.setBool(false);
    w.peds.said.push_back(SpokenLine{c.i(0), line, voice});
    w.peds.state[c.i(0)].speakingUntil = w.frame + w.peds.speechFrames;
    c.sim.trace("#" + std::to_string(c.i(0)) + " says " + line);
    c.r.setBool(true);
}

// The caller's sized array: capacity in the low 32 bits of slot 0, one handle per 8-byte slot
// after it. Peds within the radius of the ped, itself excluded, in the order they were created.
void NearbyPeds(Call& c) {
    World& w = c.w;
    auto* array = c.p<uint64_t>(1);
    const Entity* self = w.entity(c.i(0));
    if (!array) return c.sim.fault("GET_PED_NEARBY_PEDS with no array");
    if (!self) return c.r.setInt(0);
    const int32_t capacity = static_cast<int32_t>(static_cast<uint32_t>(array[0]));
    const float r2 = w.peds.nearbyRadius * w.peds.nearbyRadius;
    int32_t count = 0;
    for (const auto& [handle, e] : w.entities) {
        if (count >= capacity) break;
        if (handle == c.i(0) || e.kind != EntityKind::Ped) continue;
        const float dx = e.position.x - self->position.x, dy = e.position.y - self->position.y,
                    dz = e.position.z - self->position.z;
        if (dx * dx + dy * dy + dz * dz > r2) continue;
        WriteU32(&array[1 + count], static_cast<uint32_t>(handle));
        ++count;
    }
    c.r.setInt(count);
}

} // namespace

void RegisterPedNatives(NativeTable& t) {
    t.add(0xd49f9b0955c367de, "CREATE_PED", "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL",
          CreatePed);
    t.add(0x1913fe4cbf41c463, "SET_PED_CONFIG_FLAG", "Ped,int,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.peds.state[c.i(0)].configFlags[c.i(1)] = c.b(2);
    });
    t.add(0x283978a15512b2fe, "_SET_RANDOM_OUTFIT_VARIATION", "Ped,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.peds.state[c.i(0)].randomOutfit = c.b(1);
    });
    t.add(0x7dbdd04862d95f04, "GET_PED_RELATIONSHIP_GROUP_HASH", "Ped", [](Call& c) {
        World& w = c.w;
        if (c.i(0) == w.player.ped) return c.r.setU32(GameHash("PLAYER"));
        auto it = w.peds.state.find(c.i(0));
        c.r.setU32(it == w.peds.state.end() ? 0 : it->second.relationship);
    });
    t.add(0x729072355fa39ec9, "IS_ANY_SPEECH_PLAYING", "Ped", [](Call& c) {
        World& w = c.w;
        auto it = w.peds.state.find(c.i(0));
        c.r.setBool(it != w.peds.state.end() && w.frame < it->second.speakingUntil);
    });
    t.add(0x8e04fedd28d42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", "Ped,Any*", PlaySpeech);
    t.add(0x23f8f5fc7e8c4a6b, "GET_PED_NEARBY_PEDS", "Ped,Any*,int,int", NearbyPeds);
    t.add(0xcc0ef140f99365c5, "DELETE_PED", "Ped*",
          [](Call& c) { DeleteThroughHandle(c.sim, c.p<int32_t>(0), "DELETE_PED"); });
}

} // namespace sim
