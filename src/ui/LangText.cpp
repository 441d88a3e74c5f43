#include "ui/LangText.h"

#include "core/data/DataFiles.h"

namespace corvale {

const char* LangText(std::string_view key) {
    const DictDataFile* lang = LangFile();
    return lang ? lang->getString(key).c_str() : "";
}

} // namespace corvale
