#include "chaos/Faults.h"

#include "World.h"
#include "chaos/OurEvents.h"
#include "chaos/Places.h"

#include <cstdio>

namespace sim::chaos {

namespace {

const std::vector<std::string> kLoadable = {"a_m_m_moonshiners_01",
                                            "s_m_m_valdeputy_01",
                                            "a_m_m_htlroughtravellers_01",
                                            "G_M_M_UniCriminals_01",
                                            "WAGON05X",
                                            "P_STILL02X",
                                            "p_journal_open01x",
                                            "p_bottlecrate02x",
                                            "pg_re_moonshinecampgroup02x",
                                            "pg_mp_moonshinecamp02x",
                                            "pg_mp_moonshinecamp03x",
                                            "blips_mp",
                                            "p_still02x",
                                            "A_C_Horse_KentuckySaddle_Black"};

const std::vector<std::string> kOtherEvents = {"EVENT_NETWORK_SCRIPT_EVENT", "OTHERMOD_PING",
                                               "HORSE_MOD_SYNC", "corvale_camp_location_set", "X"};

} // namespace

Words Faults::next(const World& w) {
    const int64_t r = random_.between(0, 999);
    if (r < 6 && neverLoading_ < 6) return neverLoads(w);
    if (r < 40) return outsideEvent();
    if (r < 43) return {"restart"};
    return {};
}

Words Faults::neverLoads(const World& w) {
    ++neverLoading_;
    // Mostly what the plug-ins asked for already, by the names they hashed.
    std::vector<std::string> asked;
    for (const auto& [hash, frame] : w.streaming.requested)
        if (auto name = w.hashNames.find(hash); name != w.hashNames.end())
            if (name->second.find_first_of(" \"") == std::string::npos)
                asked.push_back(name->second);
    if (!asked.empty() && random_.chance(0.5)) return {"stream", "never", random_.pick(asked)};
    return {"stream", "never", random_.pick(kLoadable)};
}

// A word of another mod's event: a number of any size, a place of ours, or a ped.
std::string Faults::word() {
    switch (random_.between(0, 7)) {
    case 0:
        return std::to_string(random_.between(-2, 8));
    case 1:
        return std::to_string(random_.pick(CampPlaces()).id);
    case 2:
        return std::to_string(int32_t(uint32_t(random_.next())));
    case 3:
        return std::to_string(random_.between(-100000, 100000));
    case 4:
        return "player";
    case 5:
        return "ped:a_m_m_moonshiners_01";
    case 6:
        return "2147483647";
    default:
        return "-2147483648";
    }
}

Words Faults::outsideEvent() {
    if (random_.chance(0.2)) {
        Words raw = {"event-raw", std::to_string(random_.between(0, 12))};
        for (int64_t n = random_.between(0, 12); n > 0; --n)
            raw.push_back(word());
        return raw;
    }
    Words e = {"event",
               random_.chance(0.8) ? std::string(kOurEvents[random_.between(0, int64_t(kOurEventCount) - 1)])
                                     : random_.pick(kOtherEvents)};
    for (int64_t n = random_.between(0, 5); n > 0; --n)
        e.push_back(word());
    return e;
}

} // namespace sim::chaos
