#include "core/data/LineGrammar.h"

namespace corvale {

bool SplitKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const size_t first = line.find('=');
    if (first == std::string_view::npos) return false; // one piece, or none for ""
    const std::string_view afterFirst = line.substr(first + 1);
    const size_t second = afterFirst.find('=');
    if (second == std::string_view::npos) {
        if (afterFirst.empty()) return false; // "k=": the trailing empty text is no piece
        key = line.substr(0, first);
        value = afterFirst;
        return true;
    }
    // Two "=": two pieces only when nothing follows the second one ("k=v=").
    if (second + 1 != afterFirst.size()) return false;
    key = line.substr(0, first);
    value = afterFirst.substr(0, second);
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

} // namespace corvale
