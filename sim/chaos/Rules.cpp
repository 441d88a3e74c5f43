#include "chaos/Rules.h"

#include "Hash.h"
#include "Simulator.h"
#include "chaos/Places.h"
#include "world/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sim::chaos {

namespace {

constexpr float kCampReach = 150;       // the camp set, its cook and guards stand within this
constexpr float kWagonReach = 15;       // what rides on the wagon
constexpr int32_t kQuietMs = 2000;      // an event from outside is handled within this
constexpr int32_t kMoveMs = 30000;      // a camp move is over within this, its waits included

} // namespace

std::string Where(const Vec3& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.0f, %.0f, %.0f)", p.x, p.y, p.z);
    return text;
}

Rules::Rules(Simulator& sim, std::string gameDir) : sim_(sim), gameDir_(std::move(gameDir)) {
    log_.path = gameDir_ + "/Corvale/Camp.log";
    watchSaves();
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
    checkMenuTakenAway();
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
    static const int32_t move = static_cast<int32_t>(GameHash("CORVALE_CAMP_LOCATION_CHANGED"));
    if (w.events.sent.size() < eventsSeen_) eventsSeen_ = 0;
    for (; eventsSeen_ < w.events.sent.size(); ++eventsSeen_) {
        const SentEvent& e = w.events.sent[eventsSeen_];
        // A camp move, from the map or from another mod, goes on over seconds (its sleep, the
        // new place set and saved) wherever the player is by then.
        if (e.word(0) == move) {
            lastMove_ = w.gameTimer;
            if (kept_.armed) kept_.movedTo = std::to_string(e.word(1));
        }
        // What our scripts announce (a mission begun or ended, the statistics worn down) is
        // the camp acting, not idling: that frame and the next, which hears it and logs it,
        // may spawn, mark, log and clean up far more than an idle frame's budget.
        if (e.sender == "camp" || e.sender == "business") lastOwnEvent_ = w.gameTimer;
        if (e.sender != "business") continue;
        if (e.word(0) == open && !menuOpen_)
            menuOpen_ = true, menuSince_ = w.frame, menuOpenedMs_ = w.gameTimer;
        if (e.word(0) == closed) menuOpen_ = false;
    }
    // A toast (the batch ready, a mission offered) is our scripts announcing too: only they
    // post to the feed here.
    if (w.screen.toasts.size() < toastsSeen_) toastsSeen_ = 0;
    if (w.screen.toasts.size() > toastsSeen_) lastOwnEvent_ = w.gameTimer;
    toastsSeen_ = w.screen.toasts.size();
}

// The menu hides the player and holds the camera on the still: a dead or arrested player is
// not left in it.
void Rules::checkMenuTakenAway() {
    const World& w = sim_.world();
    const bool takenAway = w.player.dead || w.player.arrested;
    if (!takenAway) {
        takenAwaySince_ = -1;
        return;
    }
    if (takenAwaySince_ < 0) takenAwaySince_ = w.gameTimer;
    // From his death, or from the menu's opening on a player taken away already.
    const int32_t since = std::max(takenAwaySince_, menuOpenedMs_);
    if (menuOpen_ && w.gameTimer - since > kTakenAwayMs)
        broken("menu-taken-away", std::string("the still menu is still open ") +
                                      std::to_string(w.gameTimer - since) + " ms after the player " +
                                      (w.player.dead ? "died" : "was arrested"));
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
        // What he holds in his hands (Clint's map, read wherever he is) is not left behind.
        auto held = w.items.of.find(w.player.ped);
        if (held != w.items.of.end() && held->second.object == handle) continue;
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
    // An announcement made in a frame that then waits (a mission's toast asking for its
    // icon) goes on acting until that frame of the camp is back at its main loop.
    for (size_t i = 0; i < sim_.scriptCount(); ++i) {
        const int32_t open = sim_.scriptFrameOpenMs(i);
        if (open > 0 && lastOwnEvent_ >= w.gameTimer - open && sim_.scriptName(i) == kCamp)
            lastOwnEvent_ = w.gameTimer;
    }
    // A delivery under way acts wherever the player is, its riders riding out to him: the
    // delivery's blip on his map (on the buyer, or on the wagon he left) marks it.
    constexpr uint32_t deliveryStyle = 0x1857A152; // the game's style of a delivery's blips
    bool delivering = false;
    for (const auto& [handle, b] : w.blips.all)
        delivering |= b.style == deliveryStyle;
    // Nor is reading Clint's map, wherever he took it out.
    const bool reading = w.items.of.count(w.player.ped) > 0;
    const bool idle = !delivering && !reading && away(kAwayMs) &&
                      w.gameTimer - lastOutsideEvent_ > kQuietMs &&
                      w.gameTimer - lastOwnEvent_ > kQuietMs && w.gameTimer - lastMove_ > kMoveMs &&
                      w.gameTimer - lastRestart_ > kAwayMs;
    // The frames that open the menu (the ledger pressed, every page's textures asked for)
    // are a press's too.
    const bool menu = menuOpen_;
    const bool press = w.frame <= pressedUntil_ || w.frame < menuSince_ + 3;
    const Budgets budgets;
    for (Watched& script : watched_) {
        const std::vector<FrameFigures>& frames = sim_.figures().frames(script.name);
        if (script.seen > frames.size()) script.seen = 0;
        for (; script.seen < frames.size(); ++script.seen) {
            const FrameFigures& f = frames[script.seen];
            // Named only when a rule breaks: a frame that keeps them builds no text.
            auto which = [&] {
                return std::string(script.name) + " frame " + std::to_string(script.seen + 1);
            };
            if (idle) {
                const uint64_t max =
                    script.camp ? budgets.idleCampNatives : budgets.idleBusinessNatives;
                if (f.natives > max)
                    broken("budget-idle", which() + " made " + std::to_string(f.natives) +
                                              " native calls while the player was away (at most " +
                                              std::to_string(max) + ")");
                if (f.allocs)
                    broken("budget-idle", which() + " allocated " + std::to_string(f.allocs) +
                                              " times while the player was away");
            }
            if (menu && !script.camp) {
                const uint64_t max =
                    press ? budgets.menuPressBusinessNatives : budgets.menuBusinessNatives;
                const char* frameOf = press ? " in a press" : "";
                if (f.natives > max)
                    broken("budget-menu", which() + " made " + std::to_string(f.natives) +
                                              " native calls with the still menu open" + frameOf +
                                              " (at most " + std::to_string(max) + ")");
                if (f.allocs)
                    broken("budget-menu", which() + " allocated " + std::to_string(f.allocs) +
                                              " times with the still menu open" + frameOf);
            }
        }
    }
}

} // namespace sim::chaos
