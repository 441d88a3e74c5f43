#include "chaos/Rules.h"

#include "Hash.h"
#include "Simulator.h"
#include "chaos/Places.h"
#include "world/Geometry.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sim::chaos {

namespace {

constexpr float kCampReach = 150;       // the camp set, its cook and guards stand within this
constexpr float kWagonReach = 15;       // what rides on the wagon
constexpr int32_t kKeptCheckMs = 10000; // a restarted game has loaded its saves by then
constexpr int32_t kQuietMs = 2000;      // an event from outside is handled within this
// Files are looked at through the folder's time stamp every frame (a save is written to a
// new file and renamed over the old), and one by one every so many frames, the log too.
constexpr uint64_t kFileLookFrames = 30;

const char* const kCampSave = "Corvale/Savegame.dat";
const char* const kBatchSave = "Corvale/Savegame2.dat";
const char* const kCampKeys[] = {"operation.location", "operation.herbs_pending",
                                 "operation.herbs.1", "operation.herbs.2", "operation.herbs.3"};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Trim(std::string s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    size_t i = 0;
    while (i < s.size() && blank(s[i]))
        ++i;
    return s.substr(i);
}

// key=value lines, as the plug-ins write their dictionaries: "" when whole, else why not.
std::string DictionaryFault(const std::string& text, std::map<std::string, std::string>* keys) {
    if (!text.empty() && text.back() != '\n') return "its last line is cut off";
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        line = Trim(line);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos || Trim(line.substr(0, eq)).empty() ||
            Trim(line.substr(eq + 1)).empty())
            return "line " + std::to_string(n) + " is not key=value: " + line;
        if (keys) (*keys)[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
    return "";
}

// The still's one line of five numbers.
std::string BatchFault(const std::string& text, std::vector<double>* values) {
    const char* p = text.c_str();
    for (int i = 0; i < 5; ++i) {
        char* end = nullptr;
        const double v = std::strtod(p, &end);
        if (end == p || !std::isfinite(v)) return "holds fewer than five numbers: " + text;
        if (values) values->push_back(v);
        p = end;
    }
    for (; *p; ++p)
        if (*p != ' ' && *p != '\n' && *p != '\r') return "has more than five numbers: " + text;
    return "";
}

std::string Where(const Vec3& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.0f, %.0f, %.0f)", p.x, p.y, p.z);
    return text;
}

} // namespace

Rules::Rules(Simulator& sim, std::string gameDir) : sim_(sim), gameDir_(std::move(gameDir)) {
    log_.path = gameDir_ + "/Corvale/Camp.log";
    folder_.path = gameDir_ + "/Corvale";
    changed(folder_);
    for (const char* f : {kCampSave, kBatchSave, "Corvale/TutorialFlags.dat"})
        saves_.push_back(WatchedFile{gameDir_ + "/" + f});
    for (WatchedFile& f : saves_)
        changed(f); // as shipped: not a write of the plug-ins
    lastRestarts_ = sim_.restarts();
}

void Rules::broken(const std::string& rule, const std::string& what) {
    if (reported_[rule]) return;
    reported_[rule] = true;
    const World& w = sim_.world();
    broken_.push_back(BrokenRule{rule, what, w.frame, w.gameTimer});
}

const BrokenRule* Rules::check() {
    firstNew_ = broken_.size();
    checkFaults();
    if (sim_.world().frame % kFileLookFrames == 0) checkLog();
    checkFrames();
    checkCounts();
    trackMenu();
    trackAway();
    checkOwnedAway();
    checkBudgets();
    checkSaves();
    checkKept();
    if (broken_.size() == firstNew_) return nullptr;
    if (onBreak) onBreak(broken_[firstNew_]);
    return &broken_[firstNew_];
}

void Rules::outsideEvent() {
    lastOutsideEvent_ = sim_.world().gameTimer;
    if (awaySince_ >= 0) awaySince_ = sim_.world().gameTimer;
}

void Rules::pressed(uint64_t frames) {
    pressedUntil_ = sim_.world().frame + frames + 1;
}

bool Rules::away(int32_t forMs) const {
    return awaySince_ >= 0 && sim_.world().gameTimer - awaySince_ >= forMs;
}

void Rules::checkFaults() {
    if (!sim_.faults().empty()) broken("protocol-fault", sim_.faults().front());
    const World& w = sim_.world();
    for (; messagesSeen_ < w.messages.size(); ++messagesSeen_)
        if (w.messages[messagesSeen_].rfind("Fatal: ", 0) == 0)
            broken("contained-exception", "on screen: " + w.messages[messagesSeen_]);
}

void Rules::checkLog() {
    std::error_code error;
    const int64_t size = static_cast<int64_t>(std::filesystem::file_size(log_.path, error));
    if (error) return;
    if (size < logSeen_) logSeen_ = 0; // a new log
    if (size == logSeen_) return;
    std::ifstream in(log_.path, std::ios::binary);
    in.seekg(logSeen_);
    std::string line;
    while (std::getline(in, line))
        if (line.find("Something wrong happened") != std::string::npos)
            broken("contained-exception", "the log says: " + line);
    logSeen_ = size;
}

void Rules::checkFrames() {
    for (size_t i = 0; i < sim_.scriptCount(); ++i) {
        const int32_t open = sim_.scriptFrameOpenMs(i);
        if (open > kBlockedMs)
            broken("blocked-frame", "a frame of " + sim_.scriptName(i) + " has been blocked for " +
                                        std::to_string(open) + " ms");
    }
}

void Rules::checkCounts() {
    World& w = sim_.world();
    size_t peds = 0;
    for (const auto& [handle, e] : w.entities) {
        if (!e.byPlugin || !e.alive || e.kind != EntityKind::Ped) continue;
        auto s = w.entityStates.of.find(handle);
        peds += s == w.entityStates.of.end() || !s->second.released;
    }
    if (peds > kMaxOwnedPeds) broken("owned-peds", std::to_string(peds) + " living owned peds");
    if (w.pools.refused)
        broken("pool-full", "a task sequence, item set or ped group was refused: pool of 64 full");
    if (w.blips.all.size() > kMaxBlips)
        broken("blips", std::to_string(w.blips.all.size()) + " blips");
}

void Rules::trackMenu() {
    const World& w = sim_.world();
    static const int32_t open = static_cast<int32_t>(GameHash("CORVALE_MENU_OPEN"));
    static const int32_t closed = static_cast<int32_t>(GameHash("CORVALE_MENU_CLOSED"));
    if (w.events.sent.size() < eventsSeen_) eventsSeen_ = 0;
    for (; eventsSeen_ < w.events.sent.size(); ++eventsSeen_) {
        const SentEvent& e = w.events.sent[eventsSeen_];
        if (e.sender != "business") continue;
        if (e.word(0) == open && !menuOpen_) menuOpen_ = true, menuSince_ = w.frame;
        if (e.word(0) == closed) menuOpen_ = false;
    }
}

void Rules::trackAway() {
    const World& w = sim_.world();
    if (sim_.restarts() != lastRestarts_) {
        lastRestarts_ = sim_.restarts();
        lastRestart_ = w.gameTimer;
        menuOpen_ = false;
        awaySince_ = -1;
    }
    const Entity* player = w.entity(w.player.ped);
    bool far = player && !w.player.dead && DistanceToPlaces(player->position) >= kAwayMetres;
    for (auto it = w.blips.all.begin(); far && it != w.blips.all.end(); ++it) {
        Vec3 at = it->second.point;
        if (it->second.kind == BlipKind::Entity) {
            const Entity* e = w.entity(it->second.entity);
            if (!e) continue;
            at = e->position;
        }
        far = Distance(at, player->position) >= kAwayMetres + it->second.radius;
    }
    if (!far)
        awaySince_ = -1;
    else if (awaySince_ < 0)
        awaySince_ = w.gameTimer;
}

void Rules::checkOwnedAway() {
    if (!away(kAwayMs)) return;
    const World& w = sim_.world();
    static const uint32_t campSet = GameHash("pg_re_moonshinecampgroup02x");
    static const uint32_t cook = GameHash("a_m_m_moonshiners_01");
    static const uint32_t wagon = GameHash("WAGON05X");
    std::vector<Vec3> camps, wagons;
    for (const auto& [handle, set] : w.propSets.all)
        if (set.name == campSet && !set.released) camps.push_back(set.position);
    for (const auto& [handle, e] : w.entities)
        if (e.byPlugin && e.model == wagon) wagons.push_back(e.position);
    auto near = [](const std::vector<Vec3>& centres, const Vec3& p, float reach) {
        for (const Vec3& c : centres)
            if (std::hypot(c.x - p.x, c.y - p.y) <= reach) return true;
        return false;
    };
    for (const auto& [handle, e] : w.entities) {
        if (!e.byPlugin || e.model == cook || e.model == wagon) continue;
        auto s = w.entityStates.of.find(handle);
        if (s != w.entityStates.of.end() && s->second.released) continue;
        if (near(camps, e.position, kCampReach) || near(wagons, e.position, kWagonReach)) continue;
        auto name = w.hashNames.find(e.model);
        broken("owned-away",
               "away from everything for 2 min, yet " +
                   (name != w.hashNames.end() ? name->second : std::to_string(e.model)) + " #" +
                   std::to_string(handle) + " at " + Where(e.position) + " is still owned");
        return;
    }
}

void Rules::checkBudgets() {
    const World& w = sim_.world();
    const bool idle = away(kAwayMs) && w.gameTimer - lastOutsideEvent_ > kQuietMs &&
                      w.gameTimer - lastRestart_ > kAwayMs;
    const bool menu = menuOpen_ && w.frame >= menuSince_ + 3 && w.frame > pressedUntil_;
    const Budgets budgets;
    for (const char* script : {"camp", "business"}) {
        const std::vector<FrameFigures>& frames = sim_.figures().frames(script);
        size_t& seen = framesSeen_[script];
        if (seen > frames.size()) seen = 0;
        for (; seen < frames.size(); ++seen) {
            const FrameFigures& f = frames[seen];
            const bool camp = script[0] == 'c';
            const std::string which = std::string(script) + " frame " + std::to_string(seen + 1);
            if (idle) {
                const uint64_t max = camp ? budgets.idleCampNatives : budgets.idleBusinessNatives;
                if (f.natives > max)
                    broken("budget-idle", which + " made " + std::to_string(f.natives) +
                                              " native calls while the player was away (at most " +
                                              std::to_string(max) + ")");
                if (f.allocs)
                    broken("budget-idle", which + " allocated " + std::to_string(f.allocs) +
                                              " times while the player was away");
            }
            if (menu && !camp) {
                if (f.natives > budgets.menuBusinessNatives)
                    broken("budget-menu", which + " made " + std::to_string(f.natives) +
                                              " native calls with the still menu open (at most " +
                                              std::to_string(budgets.menuBusinessNatives) + ")");
                if (f.allocs)
                    broken("budget-menu", which + " allocated " + std::to_string(f.allocs) +
                                              " times with the still menu open");
            }
        }
    }
}

bool Rules::changed(WatchedFile& f) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(f.path, error);
    const bool exists = !error;
    const int64_t mtime = exists ? int64_t(written.time_since_epoch().count()) : 0;
    const int64_t size = exists ? static_cast<int64_t>(std::filesystem::file_size(f.path, error)) : -1;
    const bool different = exists != f.existed || mtime != f.mtimeNs || size != f.size;
    f.existed = exists;
    f.mtimeNs = mtime;
    f.size = size;
    return different;
}

void Rules::checkSaves() {
    if (!changed(folder_) && sim_.world().frame % kFileLookFrames != 0) return;
    for (WatchedFile& f : saves_) {
        const bool existed = f.existed;
        if (!changed(f)) continue;
        const std::string name = f.path.substr(gameDir_.size() + 1);
        if (!f.existed) {
            if (existed) broken("save-whole", name + " is gone");
            continue;
        }
        const std::string text = Read(f.path);
        const bool batch = name == kBatchSave;
        std::map<std::string, std::string> keys;
        std::vector<double> values;
        const std::string fault = batch ? BatchFault(text, &values) : DictionaryFault(text, &keys);
        if (!fault.empty()) {
            broken("save-whole", name + " does not load back whole: " + fault);
            continue;
        }
        if (!kept_.armed) continue;
        if (batch && !kept_.batchChecked) {
            kept_.batchChecked = true;
            std::vector<double> saved;
            if (!kept_.batch.empty() && BatchFault(kept_.batch, &saved).empty() && saved != values)
                broken("restart-kept", "the batch saved as \"" + Trim(kept_.batch) +
                                           "\" came back after the restart as \"" + Trim(text) +
                                           "\"");
        }
        if (name == kCampSave)
            for (const char* key : kCampKeys) {
                auto was = kept_.camp.find(key);
                auto now = keys.find(key);
                const std::string before = was == kept_.camp.end() ? "" : was->second;
                const std::string after = now == keys.end() ? "" : now->second;
                if (before != after)
                    broken("restart-kept", std::string(key) + " saved as \"" + before +
                                               "\" was written as \"" + after +
                                               "\" right after the restart");
            }
    }
}

void Rules::beforeRestart() {
    kept_ = Kept{};
    kept_.armed = true;
    kept_.at = sim_.world().gameTimer;
    const std::string camp = Read(gameDir_ + "/" + kCampSave);
    std::map<std::string, std::string> keys;
    if (DictionaryFault(camp, &keys).empty())
        for (const char* key : kCampKeys)
            if (keys.count(key)) kept_.camp[key] = keys[key];
    kept_.batch = Read(gameDir_ + "/" + kBatchSave);
}

void Rules::checkKept() {
    const World& w = sim_.world();
    if (!kept_.armed || w.gameTimer - kept_.at < kKeptCheckMs) return;
    kept_.armed = false;
    auto location = kept_.camp.find("operation.location");
    if (location == kept_.camp.end()) return;
    const CampPlace* place = nullptr;
    for (const CampPlace& p : CampPlaces())
        if (std::to_string(p.id) == location->second) place = &p;
    if (!place) return;
    // The camp's blip shows where the restarted game's camp is.
    for (const auto& [handle, b] : w.blips.all)
        if (b.name == "Moonshine Camp" &&
            std::hypot(b.point.x - place->position.x, b.point.y - place->position.y) <= 60)
            return;
    broken("restart-kept", "the camp saved at " + location->second + " " + Where(place->position) +
                               " shows no camp blip there 10 s after the restart");
}

} // namespace sim::chaos
