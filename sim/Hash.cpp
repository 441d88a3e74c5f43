#include "Hash.h"

namespace sim {

uint32_t GameHash(std::string_view text) {
    uint32_t h = 0;
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'A' && u <= 'Z') u = static_cast<unsigned char>(u - 'A' + 'a');
        h += u;
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
}

} // namespace sim
