// Any text as Savegame2.dat: every value read is in its range, and what is written back
// reads again as the same still.
#include "business/BusinessSave.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using corvale::business::BusinessSave;

namespace {

void CheckInRange(const BusinessSave& s) {
    if (s.recipe < 0 || s.recipe > 3 || s.flavour < 0 || s.flavour > 4) std::abort();
    if (!(s.mash >= 0.0f && s.mash <= 100.0f)) std::abort();
    if (!(s.production >= 0.0f && s.production <= 100.0f)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BusinessSave save = corvale::business::ParseBusinessSave(text);
    CheckInRange(save);
    char line[corvale::business::kBusinessSaveTextSize];
    const size_t length = corvale::business::FormatBusinessSave(save, line);
    if (length >= sizeof line) std::abort();
    const BusinessSave again = corvale::business::ParseBusinessSave(std::string_view(line, length));
    CheckInRange(again);
    if (again.recipe != save.recipe || again.flavour != save.flavour ||
        again.herbsInStill != save.herbsInStill)
        std::abort();
    return 0;
}
