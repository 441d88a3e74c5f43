#pragma once
// What a mission's end does to the camp's two statistics, as its type registers it with its
// builder: each effect is a GeneralMeta.dat tuning key and the value used when the key is
// absent. An effect without a key changes nothing.
namespace corvale {

struct MissionEffect {
    const char* key = nullptr;
    float fallback = 0.0f;
};

struct MissionOutcome {
    MissionEffect influencePassed, influenceFailed;
    MissionEffect lawAwarenessPassed, lawAwarenessFailed;
};

} // namespace corvale
