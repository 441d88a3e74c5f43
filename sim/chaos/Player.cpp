#include "chaos/Player.h"

#include "Hash.h"
#include "World.h"
#include "chaos/Look.h"
#include "chaos/Places.h"
#include "world/Geometry.h"

#include <cmath>
#include <cstdio>

namespace sim::chaos {

namespace {

const std::vector<std::string> kHerbs = {"consumable_apple",
                                         "consumable_herb_ginseng",
                                         "consumable_herb_currant",
                                         "consumable_herb_black_berry",
                                         "consumable_herb_wild_mint",
                                         "consumable_herb_oleander_sage",
                                         "consumable_herb_evergreen_huckleberry"};
const std::vector<std::string> kMenuControls = {"INPUT_FRONTEND_DOWN",   "INPUT_FRONTEND_UP",
                                                "INPUT_FRONTEND_ACCEPT", "INPUT_FRONTEND_CANCEL",
                                                "INPUT_FRONTEND_LEFT",   "INPUT_FRONTEND_RIGHT"};

} // namespace

Vec3 Player::position(const World& w) const {
    return PlayerAt(w);
}

Words Player::at(const World& w, Vec3 p) {
    return {"player",
            "at",
            Num(p.x),
            Num(p.y),
            Num(w.ground.at(p.x, p.y)),
            Num(random_.between(0, 359))};
}

// Somewhere far from every place where things happen.
Vec3 Player::awaySpot(const World& w) {
    for (;;) {
        const Vec3 p{float(random_.between(-5000, 2800)), float(random_.between(-3400, 2400)), 0};
        if (DistanceToPlaces(p) < 900) continue;
        bool nearBlip = false;
        for (const auto& [handle, b] : w.blips.all)
            nearBlip |= Distance(b.point, p) < 900 + b.radius;
        if (!nearBlip) return p;
    }
}

Words Player::next(const World& w) {
    if (!then_.empty()) {
        Words step = then_.front();
        then_.pop_front();
        return step;
    }
    if (w.player.dead) return {"player", "dead", "off"};
    if (!journey_.empty()) return travel(w);
    if (errandSteps_ > 0) {
        --errandSteps_;
        return errand(w);
    }
    return act(w);
}

Words Player::act(const World& w) {
    enum { Travel, Press, Menu, Wait, Shop, Fight, Die, Law, Wagon, Ride, Jail, Talk, Errand };
    // Whatever is on his screen draws him most.
    bool prompts = false;
    for (const auto& [handle, p] : w.prompts.all)
        prompts |= w.prompts.pressable(p, w.frame);
    bool jailbreak = false;
    for (const auto& [handle, b] : w.blips.all)
        jailbreak |= b.name == "Jailbreak";
    const Entity* cook = Nearest(w, "a_m_m_moonshiners_01", position(w));
    const bool cookNear = cook && Distance(cook->position, position(w)) < 40;
    const std::vector<int> weights = {
        20, prompts ? 60 : 2, 8, 14, 3, 4, 2, 3, 4, 2, jailbreak ? 14 : 3, cookNear ? 10 : 1, 50};
    switch (random_.weighted(weights)) {
    case Travel:
        return travel(w);
    case Press:
        return press(w);
    case Menu:
        return menu();
    case Wait:
        return wait();
    case Shop:
        return shop();
    case Fight:
        return fight(w);
    case Die:
        return die(w);
    case Law:
        return law();
    case Wagon:
        return wagon(w);
    case Ride:
        return ride();
    case Jail:
        return jail(w);
    case Talk:
        return talk(w);
    default:
        // He keeps at it for a while, as a player who means to get somewhere does.
        errandSteps_ = static_cast<int>(random_.between(4, 40));
        return errand(w);
    }
}

// Where he goes: the camp's things, a blip on his map by stages, a camp place, the jail, or
// far from everything.
Words Player::travel(const World& w) {
    if (!journey_.empty()) {
        // Each stage is taken afresh: the blip may be gone.
        bool there = false;
        for (const auto& [handle, b] : w.blips.all)
            there |= journey_ == b.name || journey_ == "sprite:" + Hex(b.sprite);
        if (!there || stages_.empty()) {
            journey_.clear();
            return wait();
        }
        const float shortOf = stages_.front();
        stages_.erase(stages_.begin());
        then_.push_back({"seconds", std::to_string(random_.between(1, 8))});
        Words step = {"player", "to-blip", journey_, Num(shortOf)};
        if (stages_.empty()) journey_.clear();
        return step;
    }
    const Vec3 me = position(w);
    switch (random_.between(0, 9)) {
    case 0:
    case 1:
    case 2: { // up to the ledger, still or crate
        static const std::vector<std::string> things = {"p_journal_open01x", "p_journal_open01x",
                                                        "P_STILL02X", "p_bottlecrate02x"};
        const std::string& thing = random_.pick(things);
        if (!Nearest(w, thing.c_str(), me, false)) break;
        then_.push_back({"frames", std::to_string(random_.between(2, 10))});
        return {"player", "to-entity", thing};
    }
    case 3:
    case 4:
    case 5: { // to a blip on the map, in stages
        if (w.blips.all.empty()) break;
        std::vector<const Blip*> blips;
        for (const auto& [handle, b] : w.blips.all)
            blips.push_back(&b);
        const Blip& b = *random_.pick(blips);
        journey_ = b.name.empty() ? "sprite:" + Hex(b.sprite) : b.name;
        stages_.clear();
        for (float s : {300.f, 150.f, 60.f})
            if (random_.chance(0.6)) stages_.push_back(s);
        static const std::vector<float> last = {0, 0.5f, 2, 5, 10, 25, 40, 200, 260};
        stages_.push_back(random_.pick(last));
        return travel(w);
    }
    case 6: { // rides to a camp place
        const CampPlace& p = random_.pick(CampPlaces());
        return at(w, {p.position.x + float(random_.between(-12, 12)),
                      p.position.y + float(random_.between(-12, 12)), 0});
    }
    case 7:
        return at(w, random_.pick(RivalCamps()));
    case 8:
        return jail(w);
    default:
        break;
    }
    then_.push_back({"seconds", std::to_string(random_.between(10, 200))});
    return at(w, awaySpot(w));
}

// Whatever prompt is on his screen and can be pressed; some are held.
Words Player::press(const World& w) {
    std::vector<const PromptState*> shown;
    for (const auto& [handle, p] : w.prompts.all)
        if (w.prompts.pressable(p, w.frame) && !p.text.empty() &&
            p.text.find('"') == std::string::npos)
            shown.push_back(&p);
    if (shown.empty()) return random_.chance(0.5) ? travel(w) : wait();
    const PromptState& p = *random_.pick(shown);
    then_.push_back({"frames", std::to_string(random_.between(1, 6))});
    const bool hold = p.mode == PromptMode::Hold || p.mode == PromptMode::StandardizedHold;
    if (hold || random_.chance(0.1))
        return {"prompt", p.text, std::to_string(random_.between(1, 90))};
    return {"prompt", p.text};
}

Words Player::menu() {
    then_.push_back({"frames", std::to_string(random_.between(1, 4))});
    return {"control", random_.pick(kMenuControls)};
}

Words Player::wait() {
    const int64_t r = random_.between(0, 99);
    if (r < 50) return {"frames", std::to_string(random_.between(1, 60))};
    if (r < 90) return {"seconds", std::to_string(random_.between(1, 30))};
    if (r < 98) return {"seconds", std::to_string(random_.between(60, 600))};
    return {"seconds", std::to_string(random_.between(1800, 7200))}; // hours go by
}

Words Player::shop() {
    if (random_.chance(0.5)) {
        const int64_t r = random_.between(0, 9);
        const int64_t cents = r == 0 ? 0 : r == 1 ? 2147483647 : random_.between(0, 60000);
        return {"player", "cash", std::to_string(cents)};
    }
    return {"player", "item", random_.pick(kHerbs), std::to_string(random_.between(0, 4))};
}

} // namespace sim::chaos
