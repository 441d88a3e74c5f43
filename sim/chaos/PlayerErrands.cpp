// The chaos player's errands: what a player who means to get somewhere does next, read off
// his screen. Random play alone seldom frees Clint, so it seldom has a camp, a still menu or
// a wagon to try; an errand takes him there by the way a player goes, and random play then
// does the rest in orders no story tried.
#include "Hash.h"
#include "chaos/Look.h"
#include "chaos/Places.h"
#include "chaos/Player.h"
#include "world/Geometry.h"

namespace sim::chaos {

namespace {

bool LastMessageIs(const World& w, const char* text) {
    return !w.messages.empty() && w.messages.back() == text;
}

// A still menu or the camp's map is on his screen: he works it with the menu keys.
Words MenuKey(Random& random) {
    static const std::vector<std::string> keys = {"INPUT_FRONTEND_DOWN", "INPUT_FRONTEND_DOWN",
                                                  "INPUT_FRONTEND_UP", "INPUT_FRONTEND_ACCEPT",
                                                  "INPUT_FRONTEND_ACCEPT", "INPUT_FRONTEND_CANCEL"};
    return {"control", random.pick(keys)};
}

} // namespace

// Clint's rescue the way the player is told it: to the jail, the deputy's keys, into the
// cell, out of the jail and away, then back to Clint.
Words Player::rescue(const World& w) {
    const Vec3 me = position(w);
    if (Distance(me, JailDoor()) > 150) {
        then_.push_back({"seconds", "3"});
        return at(w, {-275.0f, 700.0f, 0});
    }
    if (!Nearest(w, "s_m_m_valdeputy_01", me) || !Nearest(w, "a_m_m_moonshiners_01", me))
        return jail(w);
    for (Words step : std::vector<Words>{
             {"frames", "2"},
             {"game-event", "0", "EVENT_LOOT_COMPLETE", "player", "ped:s_m_m_valdeputy_01", "1"},
             {"frames", "3"},
             {"seconds", "2"},
             {"player", "at", Num(JailCell().x), Num(JailCell().y), Num(JailCell().z)},
             {"player", "interior", std::to_string(kJailInterior)},
             {"frames", "2"},
             {"player", "interior", "0"},
             {"player", "at", "-275.0", "1010.0", "118.4"},
             {"frames", "2"},
             {"seconds", "10"}})
        then_.push_back(step);
    return at(w, JailDoor());
}

Words Player::errand(const World& w) {
    if (Drawn(w, "Camp Locations")) {
        then_.push_back({"frames", std::to_string(random_.between(2, 6))});
        return MenuKey(random_);
    }
    if (StillMenuOpen(w)) {
        // What takes a player out of a menu in play: he is shot, or the law takes him.
        const int64_t r = random_.between(0, 99);
        if (r < 8) return die(w);
        if (r < 12) {
            then_.push_back({"seconds", std::to_string(random_.between(2, 12))});
            then_.push_back({"player", "arrested", "off"});
            return {"player", "arrested", "on"};
        }
        if (r < 30) {
            then_.push_back({"frames", std::to_string(random_.between(1, 4))});
            return MenuKey(random_);
        }
        return press(w);
    }
    bool prompts = false;
    for (const auto& [handle, p] : w.prompts.all) {
        if (!w.prompts.pressable(p, w.frame) || p.text.empty()) continue;
        // The map takes a moment to come out of his satchel.
        if (p.text == "Move Camp") {
            then_.push_back({"seconds", std::to_string(random_.between(2, 4))});
            return {"prompt", p.text};
        }
        prompts = true;
    }
    if (prompts) return press(w);
    const bool freeing = BlipNamed(w, "Jailbreak") || BlipNamed(w, "Clint");
    if (w.player.interior == kJailInterior) return jail(w);
    if (LastMessageIs(w, "Escape with Clint.") || LastMessageIs(w, "Regroup with Clint.") ||
        LastMessageIs(w, "Talk to Clint."))
        if (Nearest(w, "a_m_m_moonshiners_01", position(w))) return talk(w);
    if (freeing) return rescue(w);
    // A camp: up to one of its things, mostly the ledger.
    static const std::vector<std::string> things = {"p_journal_open01x", "p_journal_open01x",
                                                    "p_journal_open01x", "P_STILL02X",
                                                    "WAGON05X",          "p_bottlecrate02x"};
    const std::string& thing = random_.pick(things);
    if (const Entity* e = Nearest(w, thing.c_str(), position(w), false); e && e->byPlugin) {
        then_.push_back({"frames", std::to_string(random_.between(2, 10))});
        return {"player", "to-entity", thing};
    }
    return travel(w);
}

} // namespace sim::chaos
