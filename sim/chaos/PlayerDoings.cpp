// The chaos player's doings away from the prompts: fights, deaths, the law, the wagon, the
// horse, the jail and Clint.
#include "chaos/Look.h"
#include "chaos/Places.h"
#include "chaos/Player.h"
#include "world/Geometry.h"

namespace sim::chaos {

namespace {

const std::vector<std::string> kFoes = {"G_M_M_UniCriminals_01", "a_m_m_htlroughtravellers_01",
                                        "s_m_m_valdeputy_01", "a_m_m_moonshiners_01"};

} // namespace

Words Player::fight(const World& w) {
    const Vec3 me = position(w);
    switch (random_.between(0, 7)) {
    case 0:
        return {"enemy", "G_M_M_UniCriminals_01", Num(me.x + random_.between(-20, 20)),
                Num(me.y + random_.between(-20, 20)), Num(me.z)};
    case 1:
    case 2:
        return {"kill", random_.pick(kFoes), "all", "near", Num(me.x), Num(me.y), Num(me.z), "80"};
    case 3:
        return {"player", "combat", random_.chance(0.5) ? "on" : "off"};
    case 4:
        return {"player", "impact", Num(me.x + random_.between(-30, 30)),
                Num(me.y + random_.between(-30, 30)), Num(me.z)};
    case 5: {
        static const std::vector<std::string> weapons = {
            "WEAPON_UNARMED", "WEAPON_REVOLVER_CATTLEMAN", "WEAPON_THROWN_DYNAMITE",
            "WEAPON_MELEE_KNIFE"};
        return {"player", "weapon", random_.pick(weapons)};
    }
    case 6:
        if (const Entity* still = Nearest(w, "p_still02x", me, false);
            still && Distance(still->position, me) < 60)
            return {"explode", "at", "p_still02x"};
        return {"player", "crouch", random_.chance(0.5) ? "on" : "off"};
    default:
        return {"clock", std::to_string(random_.between(0, 23))};
    }
}

Words Player::die(const World& w) {
    // He comes to again in Valentine, or where he fell.
    then_.push_back({"seconds", std::to_string(random_.between(2, 15))});
    then_.push_back({"player", "dead", "off"});
    if (random_.chance(0.6)) then_.push_back(at(w, {-275.0f, 700.0f, 0}));
    seated_ = false;
    return {"player", "dead", "on"};
}

Words Player::law() {
    switch (random_.between(0, 3)) {
    case 0:
        return {"player", "wanted", random_.chance(0.5) ? "on" : "off"};
    case 1:
        return {"player", "arrested", random_.chance(0.3) ? "on" : "off"};
    case 2:
        return {"player", "wanted-score", std::to_string(random_.between(0, 500))};
    default:
        return {"player", "interrupt"};
    }
}

// The delivery wagon: he climbs on, drives off, pulls up, climbs down.
Words Player::wagon(const World& w) {
    if (seated_) {
        if (random_.chance(0.3)) {
            seated_ = false;
            return {"player", "seat", "off"};
        }
        then_.push_back({"seconds", std::to_string(random_.between(2, 40))});
        return {"player", "drive", std::to_string(random_.between(0, 12))};
    }
    const Entity* wagon = Nearest(w, "WAGON05X", position(w));
    if (!wagon || Distance(wagon->position, position(w)) > 30) return travel(w);
    seated_ = true;
    return {"player", "seat", "WAGON05X"};
}

Words Player::ride() {
    if (random_.chance(0.5)) return {"player", "horse", random_.chance(0.8) ? "on" : "off"};
    return {"player", "ride", random_.chance(0.6) ? "on" : "off"};
}

// The Valentine jail: up to its door, takes the deputy's keys, into the cell, out again.
Words Player::jail(const World& w) {
    const Vec3 me = position(w);
    if (Distance(me, JailDoor()) > 60)
        return at(w, random_.chance(0.5) ? Vec3{-275, 700, 0} : JailDoor());
    if (w.player.interior == kJailInterior || random_.chance(0.15)) {
        then_.push_back({"frames", "2"});
        then_.push_back({"seconds", std::to_string(random_.between(2, 20))});
        then_.push_back({"player", "interior", "0"});
        return at(w, {-275.0f, 1010.0f, 0});
    }
    const Entity* deputy = Nearest(w, "s_m_m_valdeputy_01", me);
    if (deputy && random_.chance(0.6)) {
        then_.push_back({"frames", "3"});
        return {"game-event", "0", "EVENT_LOOT_COMPLETE", "player", "ped:s_m_m_valdeputy_01", "1"};
    }
    if (Distance(me, JailDoor()) > 3) {
        then_.push_back({"frames", "2"});
        return at(w, JailDoor());
    }
    then_.push_back({"player", "interior", std::to_string(kJailInterior)});
    then_.push_back({"frames", "2"});
    return {"player", "at", Num(JailCell().x), Num(JailCell().y), Num(JailCell().z)};
}

// He turns to the cook to talk, and away again.
Words Player::talk(const World& w) {
    if (targeting_) {
        targeting_ = false;
        return {"player", "target", "off"};
    }
    const Entity* cook = Nearest(w, "a_m_m_moonshiners_01", position(w));
    if (!cook) return press(w);
    targeting_ = true;
    then_.push_back({"frames", "3"});
    if (Distance(cook->position, position(w)) > 5)
        then_.push_front({"player", "target", "a_m_m_moonshiners_01"}),
            then_.push_front({"frames", "2"});
    else
        return {"player", "target", "a_m_m_moonshiners_01"};
    return {"player", "to-entity", "a_m_m_moonshiners_01", "3"};
}

} // namespace sim::chaos
