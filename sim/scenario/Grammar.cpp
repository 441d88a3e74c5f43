#include "scenario/Grammar.h"

#include "scenario/Scenario.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <stdexcept>

namespace sim {

namespace {

using Item = Signature::Item;

bool IsChoice(const std::string& token) {
    return token.find_first_not_of("abcdefghijklmnopqrstuvwxyz-|") == std::string::npos;
}

Item ParseItem(const std::string& token) {
    Item item;
    item.name = token;
    if (IsChoice(token)) {
        item.kind = Item::Choice;
        std::istringstream words(token);
        for (std::string w; std::getline(words, w, '|');)
            item.words.push_back(w);
        return item;
    }
    const size_t colon = token.find(':');
    if (colon == std::string::npos) return item;
    item.name = token.substr(0, colon);
    const std::string type = token.substr(colon + 1);
    if (type == "int")
        item.kind = Item::Int;
    else if (type == "count")
        item.kind = Item::Count;
    else if (type == "num")
        item.kind = Item::Num;
    else if (type == "path")
        item.kind = Item::Path;
    else if (type == "key")
        item.kind = Item::Key;
    else if (type == "word")
        item.kind = Item::EventWord;
    else if (type == "slot")
        item.kind = Item::Slot;
    else
        throw std::logic_error("unknown argument type in " + token);
    return item;
}

// Items of one alternative; "[" and "]" may stick to their neighbours.
std::vector<Item> ParseItems(const std::string& text, bool& block) {
    std::vector<std::vector<Item>> stack(1);
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        size_t opens = 0;
        while (opens < token.size() && token[opens] == '[')
            ++opens;
        for (size_t k = 0; k < opens; ++k)
            stack.emplace_back();
        token.erase(0, opens);
        size_t closes = 0;
        while (closes < token.size() && token[token.size() - 1 - closes] == ']')
            ++closes;
        token.resize(token.size() - closes);
        if (token == "...") {
            if (stack.back().empty()) throw std::logic_error("nothing to repeat in " + text);
            stack.back().back().repeat = true;
        } else if (token == "<<") {
            block = true;
        } else if (!token.empty()) {
            stack.back().push_back(ParseItem(token));
        }
        for (size_t k = 0; k < closes; ++k) {
            if (stack.size() < 2) throw std::logic_error("unbalanced ] in " + text);
            Item group;
            group.kind = Item::Group;
            group.group = std::move(stack.back());
            stack.pop_back();
            stack.back().push_back(std::move(group));
        }
    }
    if (stack.size() != 1) throw std::logic_error("unbalanced [ in " + text);
    return std::move(stack[0]);
}

bool EntityWord(const std::string& w) {
    if (w == "player") return true;
    for (const char* prefix : {"ped:", "entity:"}) {
        const size_t n = std::char_traits<char>::length(prefix);
        if (w.size() > n && w.compare(0, n, prefix) == 0) return true;
    }
    return false;
}

bool SlotNumber(const std::string& w) {
    if (w.rfind("hash:", 0) == 0) return w.size() > 5;
    char* end = nullptr;
    errno = 0;
    if (w.find('.') != std::string::npos) {
        std::strtod(w.c_str(), &end);
        return end != w.c_str() && *end == '\0';
    }
    if (!w.empty() && w[0] == '-') {
        const long long v = std::strtoll(w.c_str(), &end, 10);
        return !errno && end != w.c_str() && *end == '\0' && v >= INT32_MIN;
    }
    const bool hex = w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X');
    const char* digits = hex ? w.c_str() + 2 : w.c_str();
    if (*digits == '-' || *digits == '+') return false;
    std::strtoull(digits, &end, hex ? 16 : 10);
    return !errno && end != digits && *end == '\0';
}

// Matches items against words by trying each optional group with and without it.
struct Matcher {
    const std::vector<std::string>& words;
    size_t furthest = 0;
    std::string why;
    bool missed = false;

    void miss(size_t at, const std::string& what) {
        if (missed && at <= furthest) return;
        missed = true;
        furthest = at;
        why = what;
    }

    bool match(const std::vector<Item>& items, size_t i, size_t at,
               const std::function<bool(size_t)>& then) {
        if (i == items.size()) return then(at);
        const Item& item = items[i];
        const auto next = [&](size_t a) { return match(items, i + 1, a, then); };
        if (item.kind == Item::Group) return match(item.group, 0, at, next) || next(at);
        if (item.repeat) {
            size_t a = at;
            while (a < words.size() && CheckWord(item, words[a]).empty())
                ++a;
            if (a < words.size()) miss(a, CheckWord(item, words[a]));
            return next(a);
        }
        if (at >= words.size()) {
            miss(at, "missing " + item.name);
            return false;
        }
        const std::string bad = CheckWord(item, words[at]);
        if (!bad.empty()) {
            miss(at, bad);
            return false;
        }
        return next(at + 1);
    }
};

} // namespace

Signature::Signature(const std::string& text) : text_(text) {
    size_t from = 0;
    for (;;) {
        const size_t slash = text.find(" / ", from);
        alternatives_.push_back(ParseItems(text.substr(from, slash - from), block_));
        if (slash == std::string::npos) break;
        from = slash + 3;
    }
}

std::string Signature::check(const Command& c, size_t first) const {
    Matcher m{c.words, 0, "", false};
    for (const std::vector<Item>& items : alternatives_) {
        const bool fits = m.match(items, 0, first, [&](size_t at) {
            if (at == c.words.size()) return true;
            m.miss(at, "extra argument: " + c.words[at]);
            return false;
        });
        if (fits) return "";
    }
    return m.why;
}

std::string CheckWord(const Item& item, const std::string& w) {
    int64_t i = 0;
    double d = 0;
    switch (item.kind) {
    case Item::Word:
    case Item::Group:
        return "";
    case Item::Int:
        return ParseInt32(w, i) ? "" : item.name + " is not a 32-bit number: " + w;
    case Item::Count:
        return ParseInt32(w, i) && i >= 0 ? "" : item.name + " is not a count: " + w;
    case Item::Num:
        return ParseNumber(w, d) ? "" : item.name + " is not a number: " + w;
    case Item::Path: {
        const bool escapes = w.empty() || w[0] == '/' || w[0] == '\\' || w.find(':') != w.npos ||
                             ("/" + w + "/").find("/../") != std::string::npos ||
                             w.find('\\') != std::string::npos;
        return escapes ? item.name + " is not a path inside the game folder: " + w : "";
    }
    case Item::Key:
        return KeyCode(w) <= 0xFFFF ? "" : "unknown key: " + w;
    case Item::EventWord:
        return EntityWord(w) || ParseInt32(w, i) ? "" : "not a number or entity word: " + w;
    case Item::Slot:
        return EntityWord(w) || SlotNumber(w) ? "" : "not a slot value: " + w;
    case Item::Choice:
        for (const std::string& allowed : item.words)
            if (w == allowed) return "";
        return "expected " + item.name + ", found " + w;
    }
    return "";
}

} // namespace sim
