#pragma once
// The still's saved state and its file, "Corvale/Savegame2.dat": five values on one line,
// each followed by one space ("100 1 0 0 0 " for a fresh weak batch).
#include "core/platform/FileOperations.h"

#include <cstddef>
#include <string_view>

namespace corvale::business {

struct BusinessSave {
    float mash = 0.0f;       // 0 to 100: mash left in the still
    int recipe = 0;          // 0 none, 1 weak, 2 medium, 3 strong
    int flavour = 0;         // 0 none, 1 to 4
    float production = 0.0f; // 0 to 100: percentage of the batch brewed
    bool herbsInStill = false;
};

inline constexpr const char* kBusinessSavePath = "Corvale/Savegame2.dat";

// The same five values, bit for bit (a value that is not a number equals itself).
bool SameSave(const BusinessSave& a, const BusinessSave& b);

// Reads the values in order as a stream does; the first unreadable value and those after it
// stay 0. A byte-order mark and the blanks around the values are nothing, and a decimal
// comma reads as a point. Values out of range are brought back: recipe and flavour to 0,
// mash and production into [0, 100] (not a number: 0), mash without a recipe to 0, so a
// damaged file never stalls the still. whole, when given, tells whether the text was the
// five values and nothing else.
BusinessSave ParseBusinessSave(std::string_view text, bool* whole = nullptr);
// Brings every value into its range (see ParseBusinessSave).
void KeepInRange(BusinessSave& save);

// Writes the line into out (NUL-terminated) and returns its length; floats take up to six
// significant digits without trailing zeros.
constexpr size_t kBusinessSaveTextSize = 96;
size_t FormatBusinessSave(const BusinessSave& save, char (&out)[kBusinessSaveTextSize]);

// What a read of the file found. Only a file read whole (or none at all) may be written over
// before the still has changed: anything else is what the player had, and the plug-in did
// not understand all of it.
enum class SaveRead { Whole, Missing, NotWhole };

struct LoadedBusinessSave {
    BusinessSave save;
    SaveRead read = SaveRead::Missing;
};

// A missing, unreadable or empty file gives an empty still; an empty file counts as missing.
LoadedBusinessSave LoadBusinessSave(const char* path = kBusinessSavePath,
                                    platform::FileOperations& files = platform::SystemFiles());
// Replaces the file only once the new content is complete; false when it could not.
bool SaveBusinessSave(const BusinessSave& save, const char* path = kBusinessSavePath,
                      platform::FileOperations& files = platform::SystemFiles());

} // namespace corvale::business
