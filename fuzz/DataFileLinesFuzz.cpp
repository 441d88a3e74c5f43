// Any text as a dictionary data file: loading never crashes, look-ups never throw (a throw
// ends the run), and what a save writes loads back to the same values.
#include "core/data/DictDataFile.h"
#include "core/data/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void LoadText(corvale::DictDataFile& file, std::string_view text) {
    corvale::LineReader reader(text);
    while (!reader.atEnd())
        if (!file.parseLine(reader.next())) return;
}

void LookUp(const corvale::DictDataFile& file, std::string_view key) {
    file.getInt(key, -999);
    file.getFloat(key, -999.0f);
    file.getBool(key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvale::DictDataFile file("Corvale/Fuzz.dat");
    LoadText(file, text);
    for (const auto& [key, value] : file.entries())
        LookUp(file, key);

    corvale::DictDataFile reloaded("Corvale/Fuzz.dat");
    const std::string saved = file.text();
    corvale::LineReader reader(saved);
    while (!reader.atEnd())
        if (!reloaded.parseLine(reader.next())) std::abort(); // a save that would not load
    for (const auto& [key, value] : file.entries())
        if (reloaded.getString(key) != value) std::abort();
    return 0;
}
