#pragma once
// The tuning files as they ship in data/Corvale/, built into the plug-in: a value the
// player's copy has broken reads as the shipped one instead.
#include <string_view>

namespace corvale {

std::string_view ShippedGeneralMetaText();
std::string_view ShippedAiText();

} // namespace corvale
