#include "ui/LangText.h"

#include "core/data/GameData.h"

namespace corvale {

const char* LangText(const GameData& data, std::string_view key) {
    const DictDataFile* lang = data.langFile();
    return lang ? lang->getString(key).c_str() : "";
}

} // namespace corvale
