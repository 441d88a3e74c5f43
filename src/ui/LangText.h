#pragma once
// Player-visible texts of Lang.dat, read where they are shown.
#include <string_view>

namespace corvale {

// The text of key, or "" when the key or the file is missing; the pointer stays valid until
// the key is next changed.
const char* LangText(std::string_view key);

} // namespace corvale
