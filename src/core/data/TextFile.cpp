#include "core/data/TextFile.h"

#include "core/platform/SharedFile.h"

#include <cstdio>

namespace corvale {

bool ReadTextFile(const char* path, std::string& out) {
    out.clear();
    std::FILE* file = platform::OpenShared(path, "r");
    if (!file) return false;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        out.append(buffer, got);
    std::fclose(file);
    return true;
}

std::string_view LineReader::next() {
    const size_t feed = rest_.find('\n');
    if (feed == std::string_view::npos) {
        const std::string_view line = rest_;
        rest_ = {};
        atEnd_ = true;
        return line;
    }
    const std::string_view line = rest_.substr(0, feed);
    rest_.remove_prefix(feed + 1);
    return line;
}

} // namespace corvale
