#include "missions/SabotageSetup.h"

#include "missions/CampComplex.h"

namespace corvale {

SabotageSetup MakeSabotageSetup(const CampComplex& complex, int32_t guardCount) {
    SabotageSetup setup;
    setup.centre = complex.centre;
    setup.guardCount = guardCount;
    setup.stillPosition = complex.stillPosition;
    setup.spawnPoints.reserve(complex.propSets.size());
    for (const ComplexPropSet& propSet : complex.propSets)
        setup.spawnPoints.push_back(propSet.position);
    return setup;
}

} // namespace corvale
