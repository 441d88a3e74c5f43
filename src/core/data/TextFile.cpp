#include "core/data/TextFile.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
} // namespace

TextRead ReadTextFile(const char* path, std::string& out, platform::FileOperations& files) {
    out.clear();
    bool missing = false;
    std::FILE* file = files.open(path, missing);
    if (!file) return missing ? TextRead::Missing : TextRead::Unreadable;
    char buffer[4096];
    size_t got = 0;
    bool failed = false;
    // A read error is no end of the file: what came before it is only part of the file.
    while (!failed) {
        failed = !files.read(file, buffer, sizeof buffer, got);
        if (got == 0) break;
        out.append(buffer, got);
    }
    std::fclose(file);
    return failed ? TextRead::Unreadable : TextRead::Whole;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::string_view LineReader::next() {
    const size_t feed = rest_.find('\n');
    if (feed == std::string_view::npos) {
        const std::string_view line = rest_;
        rest_ = {};
        atEnd_ = true;
        return line;
    }
    // Notepad's line end: files are read as bytes, so its carriage return is dropped here.
    const size_t end = feed > 0 && rest_[feed - 1] == '\r' ? feed - 1 : feed;
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(feed + 1);
    return line;
}

} // namespace corvale
