#include "business/BusinessSave.h"

#include "core/data/AtomicFile.h"
#include "core/data/TextFile.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale>
#include <sstream>
#include <string>

namespace corvale::business {

namespace {

float Percentage(float v) {
    if (!(v > 0.0f)) return 0.0f; // negatives and not-a-number
    return v > 100.0f ? 100.0f : v;
}

// A value that fails to read keeps its 0, even where the stream would store a limit.
template <class T> bool ReadNext(std::istream& in, T& out) {
    T value{};
    if (!(in >> value)) return false;
    out = value;
    return true;
}

} // namespace

bool SameSave(const BusinessSave& a, const BusinessSave& b) {
    return std::memcmp(&a.mash, &b.mash, sizeof a.mash) == 0 && a.recipe == b.recipe &&
           a.flavour == b.flavour &&
           std::memcmp(&a.production, &b.production, sizeof a.production) == 0 &&
           a.herbsInStill == b.herbsInStill;
}

void KeepInRange(BusinessSave& save) {
    save.mash = Percentage(save.mash);
    save.production = Percentage(save.production);
    if (save.recipe < 0 || save.recipe > 3) save.recipe = 0;
    if (save.flavour < 0 || save.flavour > 4) save.flavour = 0;
    // Mash of no recipe never brews and would keep the player from buying more.
    if (save.recipe == 0) save.mash = 0.0f;
}

BusinessSave ParseBusinessSave(std::string_view text, bool* whole) {
    BusinessSave save;
    std::string values(WithoutByteOrderMark(text));
    // Written by a tool of a country that writes 54,5 for 54.5.
    for (char& c : values)
        if (c == ',') c = '.';
    std::istringstream in(values);
    in.imbue(std::locale::classic());
    const bool allFive = ReadNext(in, save.mash) && ReadNext(in, save.recipe) &&
                         ReadNext(in, save.flavour) && ReadNext(in, save.production) &&
                         ReadNext(in, save.herbsInStill);
    if (whole) *whole = allFive && (in >> std::ws).eof();
    KeepInRange(save);
    return save;
}

size_t FormatBusinessSave(const BusinessSave& save, char (&out)[kBusinessSaveTextSize]) {
    const int n = std::snprintf(out, sizeof out, "%g %d %d %g %d ", static_cast<double>(save.mash),
                                save.recipe, save.flavour, static_cast<double>(save.production),
                                save.herbsInStill ? 1 : 0);
    return n < 0 ? 0 : static_cast<size_t>(n);
}

LoadedBusinessSave LoadBusinessSave(const char* path, platform::FileOperations& files) {
    LoadedBusinessSave loaded;
    std::string text;
    const TextRead read = ReadTextFile(path, text, files);
    if (read == TextRead::Missing) return loaded;
    if (read == TextRead::Unreadable) {
        loaded.read = SaveRead::NotWhole;
        return loaded;
    }
    // Nothing in it but blanks: there is nothing to keep.
    if (WithoutByteOrderMark(text).find_first_not_of(" \t\r\n\v\f") == std::string_view::npos)
        return loaded;
    bool whole = false;
    loaded.save = ParseBusinessSave(text, &whole);
    loaded.read = whole ? SaveRead::Whole : SaveRead::NotWhole;
    return loaded;
}

bool SaveBusinessSave(const BusinessSave& save, const char* path, platform::FileOperations& files) {
    BusinessSave kept = save;
    KeepInRange(kept);
    char text[kBusinessSaveTextSize];
    const size_t length = FormatBusinessSave(kept, text);
    return ReplaceFileContents(path, std::string_view(text, length), nullptr, files);
}

} // namespace corvale::business
