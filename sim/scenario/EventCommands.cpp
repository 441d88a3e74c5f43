// Events other scripts and the game send, and expectations on the events the plug-ins sent.
#include "Hash.h"
#include "natives/ScriptEventSending.h"
#include "scenario/Commands.h"
#include "world/Lifecycle.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace sim {

namespace {

constexpr const char* kScenarioSender = "scenario";
constexpr float kNoticeRadius = 50.0f; // how far around its source an AI event is noticed

// Words packed 4 bytes apart in a zeroed buffer of size slots (or more, for all the words).
void SendWords(ScenarioRun& run, const std::vector<int32_t>& words, int32_t size) {
    std::vector<uint64_t> buffer(std::max(static_cast<size_t>(size), (words.size() + 1) / 2));
    if (!words.empty()) std::memcpy(buffer.data(), words.data(), words.size() * sizeof(int32_t));
    SendScriptEvent(run.sim(), 1, buffer.data(), size, kScenarioSender);
}

// `player`, `ped:MODEL` (the nearest living ped of MODEL) or `entity:MODEL` (the nearest
// entity): a handle of the world. False for any other word.
bool EntityWord(ScenarioRun& run, const Command& c, size_t n, int32_t& out) {
    World& w = run.sim().world();
    const std::string& word = Arg(c, n);
    if (word == "player") return out = w.player.ped, true;
    const bool ped = word.rfind("ped:", 0) == 0, entity = word.rfind("entity:", 0) == 0;
    if (!ped && !entity) return false;
    const std::string name = word.substr(ped ? 4 : 7);
    const uint32_t model = GameHash(name);
    const Entity* player = w.entity(w.player.ped);
    const Vec3 from = player ? player->position : Vec3{};
    out = w.nearest(EntityKind::Ped, model, from, true);
    if (entity) {
        int32_t best = 0;
        for (const EntityKind kind : {EntityKind::Object, EntityKind::Vehicle, EntityKind::Ped}) {
            const int32_t h = w.nearest(kind, model, from, false);
            const auto dist = [&](int32_t e) {
                const Vec3& p = w.entities.at(e).position;
                return (p.x - from.x) * (p.x - from.x) + (p.y - from.y) * (p.y - from.y) +
                       (p.z - from.z) * (p.z - from.z);
            };
            if (h && (!best || dist(h) < dist(best))) best = h;
        }
        out = best;
    }
    if (!out) Fail(c, "no " + std::string(ped ? "living ped " : "entity ") + name);
    return true;
}

std::vector<int32_t> ArgWords(ScenarioRun& run, const Command& c, size_t first) {
    std::vector<int32_t> words;
    for (size_t n = first; n < c.words.size(); ++n) {
        int32_t handle = 0;
        if (EntityWord(run, c, n, handle)) {
            words.push_back(handle);
            continue;
        }
        words.push_back(static_cast<int32_t>(static_cast<uint32_t>(ArgInt(c, n))));
    }
    return words;
}

// A 64-bit slot: a number with a decimal point is a float in the low 32 bits; a negative
// integer fills the low 32 bits as the game writes an int; anything else is taken whole.
uint64_t ArgSlot(ScenarioRun& run, const Command& c, size_t n) {
    int32_t handle = 0;
    if (EntityWord(run, c, n, handle)) return static_cast<uint32_t>(handle);
    const std::string& w = Arg(c, n);
    if (w.find('.') != std::string::npos) {
        const float f = static_cast<float>(ArgNumber(c, n));
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        return bits;
    }
    if (w.rfind("hash:", 0) == 0) return GameHash(w.substr(5));
    errno = 0;
    char* end = nullptr;
    const bool hex = w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X');
    if (!hex && !w.empty() && w[0] == '-') {
        const long long v = std::strtoll(w.c_str(), &end, 10);
        if (errno || *end != '\0' || v < INT32_MIN) Fail(c, "not a slot value: " + w);
        return static_cast<uint32_t>(static_cast<int32_t>(v));
    }
    const unsigned long long v =
        std::strtoull(hex ? w.c_str() + 2 : w.c_str(), &end, hex ? 16 : 10);
    if (errno || end == w.c_str() || *end != '\0') Fail(c, "not a slot value: " + w);
    return v;
}

// Events sent by scripts (not by the scenario) under a name, optionally with words 1...
std::vector<const SentEvent*> SentByScripts(ScenarioRun& run, const std::string& name) {
    const uint32_t id = GameHash(name);
    std::vector<const SentEvent*> found;
    for (const SentEvent& e : run.sim().world().events.sent)
        if (e.sender != kScenarioSender && static_cast<uint32_t>(e.word(0)) == id)
            found.push_back(&e);
    return found;
}

std::string Words(const SentEvent& e, size_t count) {
    std::string text;
    for (size_t i = 1; i < count; ++i)
        text += (i > 1 ? " " : "") + std::to_string(e.word(i));
    return text;
}

} // namespace

void RegisterEventCommands(CommandRegistry& r) {
    r.add("event", "NAME [WORD:word ...]", [](ScenarioRun& run, const Command& c) {
        const std::string& name = Arg(c, 1);
        std::vector<int32_t> words{static_cast<int32_t>(GameHash(name))};
        for (int32_t w : ArgWords(run, c, 2))
            words.push_back(w);
        run.sim().world().hashNames.emplace(GameHash(name), name);
        SendWords(run, words, static_cast<int32_t>(words.size()));
    });
    r.add("event-raw", "SIZE:count [WORD:word ...]", [](ScenarioRun& run, const Command& c) {
        const int64_t size = ArgInt(c, 1);
        if (size < 0 || size > 4096) Fail(c, "event size out of range: " + Arg(c, 1));
        SendWords(run, ArgWords(run, c, 2), static_cast<int32_t>(size));
    });
    r.add("game-event", "GROUP:int TYPE [SLOT:slot ...]", [](ScenarioRun& run, const Command& c) {
        const int64_t group = ArgInt(c, 1);
        QueuedEvent e{GameHash(Arg(c, 2)), {}};
        for (size_t n = 3; n < c.words.size(); ++n)
            e.slots.push_back(ArgSlot(run, c, n));
        // An AI event from an entity is also noticed by the peds around it.
        World& w = run.sim().world();
        if (group == 0 && !e.slots.empty())
            if (const Entity* source = w.entity(static_cast<int32_t>(e.slots[0])))
                NoticeAround(run.sim(), source->position, kNoticeRadius, e.type,
                             static_cast<int32_t>(e.slots[0]));
        w.events.post(static_cast<int32_t>(group), std::move(e));
        run.sim().trace("game event " + Arg(c, 2) + " in group " + std::to_string(group));
    });
    r.add("expect event", "NAME [WORD:word ...]", [](ScenarioRun& run, const Command& c) {
        const std::vector<const SentEvent*> sent = SentByScripts(run, Arg(c, 2));
        const std::vector<int32_t> want = ArgWords(run, c, 3);
        std::string found;
        for (const SentEvent* e : sent) {
            bool same = true;
            for (size_t i = 0; i < want.size(); ++i)
                same = same && e->word(i + 1) == want[i];
            if (same) return run.expect(c, true);
            found += (found.empty() ? "" : "; ") + Words(*e, std::max(want.size() + 1, size_t{2}));
        }
        run.expect(c, false, sent.empty() ? "no such event sent" : "words " + found);
    });
    r.add("expect no-event", "NAME", [](ScenarioRun& run, const Command& c) {
        const size_t n = SentByScripts(run, Arg(c, 2)).size();
        run.expect(c, n == 0, std::to_string(n) + " sent");
    });
}

} // namespace sim
