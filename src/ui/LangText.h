#pragma once
// Player-visible texts of Lang.dat, read where they are shown.
#include <string_view>

namespace corvale {

class GameData;

// The text of key in the data's language file, or "" when the key or the file is missing;
// the pointer stays valid until the key is next changed.
const char* LangText(const GameData& data, std::string_view key);

} // namespace corvale
