#pragma once
// What must hold in every frame of any play, however wild: checked after each frame of a
// chaos run, and of a scenario that says `rules on`.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sim {
class Simulator;
struct Vec3;
}

namespace sim::chaos {

struct BrokenRule {
    std::string rule; // its short name, as a finding's scenario names it
    std::string what; // what was seen
    uint64_t frame = 0;
    int32_t gameTimer = 0;
};

// Budgets of the states a run can tell, as budgets.scn measures them.
struct Budgets {
    uint64_t idleCampNatives = 25, idleBusinessNatives = 15;
    // The still menu: a page shown, and a press: the frames in which the page acts on it (a
    // purchase or a flavour: its event, sounds and the herbs taken) and the next page is
    // drawn the first time (its prompts told what changed), the menu's opening included.
    uint64_t menuBusinessNatives = 155, menuPressBusinessNatives = 185;
};

// A place as a finding names it: "(x, y, z)" in whole metres.
std::string Where(const Vec3& p);

class Rules {
  public:
    Rules(Simulator& sim, std::string gameDir);

    // After every frame: the first rule broken in it (each rule is reported once), or
    // nullptr. Calls onBreak with it first.
    const BrokenRule* check();
    std::function<void(const BrokenRule&)> onBreak;

    // No rule has been broken so far.
    bool held() const { return broken_.empty(); }

    // Before the game restarts: what the saves hold now must come back.
    void beforeRestart();
    // Another mod sent a script event: the player is not idle in this frame and the next.
    void outsideEvent();
    // The player presses (or holds for frames) a prompt or control from the next frame on:
    // those frames and the one after are the press's, and held to the budget of a press.
    void pressed(uint64_t frames = 1);

    // The player has been away from everything for at least forMs of game time.
    bool away(int32_t forMs) const;

    static constexpr int32_t kBlockedMs = 10000;
    static constexpr int32_t kAwayMs = 120000;
    static constexpr float kAwayMetres = 600;
    static constexpr size_t kMaxOwnedPeds = 300, kMaxBlips = 100;
    // The still menu closes within this of the player's death or arrest.
    static constexpr int32_t kTakenAwayMs = 1000;

  private:
    struct WatchedFile {
        std::string path;
        bool existed = false;
        int64_t mtimeNs = 0;
        int64_t size = -1;
        uint64_t writes = 0; // saves put in place at this path, as counted when last looked
    };
    struct Kept { // what was saved when the game restarted
        bool armed = false;
        int32_t at = 0;
        std::map<std::string, std::string> camp; // the camp's and herbs' keys
        std::string batch;                       // Savegame2.dat
        bool batchChecked = false;
        std::string movedTo; // a camp move heard since: the player's own, no save lost
    };

    void broken(const std::string& rule, const std::string& what);
    void checkFaults();
    void checkLog();
    void checkFrames();
    void checkCounts();
    void trackAway();
    void checkOwnedAway();
    void checkBudgets();
    void trackMenu();
    void checkMenuTakenAway();
    void watchSaves();
    void checkSaves();
    void checkKept();
    bool changed(WatchedFile& f);

    Simulator& sim_;
    std::string gameDir_;
    std::vector<BrokenRule> broken_;
    std::map<std::string, bool> reported_;
    size_t firstNew_ = 0;
    int64_t logSeen_ = 0;
    WatchedFile log_;
    std::vector<WatchedFile> saves_;
    size_t messagesSeen_ = 0;
    int32_t awaySince_ = -1;
    int32_t lastOutsideEvent_ = INT32_MIN / 2;
    int32_t lastOwnEvent_ = INT32_MIN / 2; // an announcement of the camp or the still
    int32_t lastMove_ = INT32_MIN / 2;     // a camp move heard of
    uint64_t pressedUntil_ = 0;
    int lastRestarts_ = 0;
    int32_t lastRestart_ = INT32_MIN / 2;
    size_t eventsSeen_ = 0;
    size_t toastsSeen_ = 0;
    bool menuOpen_ = false;
    uint64_t menuSince_ = 0;
    int32_t menuOpenedMs_ = 0;
    int32_t takenAwaySince_ = -1; // when the player died or was arrested
    // A save is read when the simulator counted it put in place (written to a new file and
    // moved over the old); files are looked at for being gone, and the log, every so many frames.
    static constexpr uint64_t kFileLookFrames = 30;
    struct Watched {
        const char* name;
        bool camp;
        size_t seen = 0; // frames of its figures already checked
    };
    static constexpr const char* kCamp = "camp";
    Watched watched_[2] = {{kCamp, true}, {"business", false}};
    Kept kept_;
};

} // namespace sim::chaos
