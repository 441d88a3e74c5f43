#pragma once
// What the camp set is built of, named once: the build spawns them, and a move streams them
// in over frames before it builds.
namespace corvale::camp_set {

inline constexpr const char* kGroup = "pg_re_moonshinecampgroup02x";
inline constexpr const char* kCookWorkSpot = "pg_scenario_molotovmake";
inline constexpr const char* kCrate = "p_bottlecrate02x";
inline constexpr const char* kHitchingPost = "p_hitchingpost05x";
inline constexpr const char* kCook = "a_m_m_moonshiners_01";
inline constexpr const char* kGuard = "a_m_m_htlroughtravellers_01";

} // namespace corvale::camp_set
