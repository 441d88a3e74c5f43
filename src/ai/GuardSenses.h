#pragma once
// What a rival guard perceives with besides his own eyes and ears, handed to each guard by his
// owner: the perception tuning, the player's whistle and throws, and the log switch.
namespace corvale {

class DictDataFile;
class Settings;
class ThrowImpactSampler;
class WhistleDetector;

struct GuardSenses {
    const DictDataFile& ai;           // "AI.dat"
    const WhistleDetector& whistle;   // run once per frame before the guards
    const ThrowImpactSampler& throws; // sampled once per frame before the guards
    const Settings& settings;         // "DebugLogs"
};

} // namespace corvale
