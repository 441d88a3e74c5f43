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

} // namespace corvale
