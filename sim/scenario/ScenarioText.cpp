// Reading scenario files: words, quotes, <<END blocks, and the argument readers.
#include "scenario/Scenario.h"

#include "Hash.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sim {

namespace {

// The words of a line; lastQuoted tells whether the last one was written in quotes.
std::vector<std::string> SplitWords(const std::string& line, const std::string& where,
                                    bool& lastQuoted) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string word;
        lastQuoted = line[i] == '"';
        if (lastQuoted) {
            const size_t end = line.find('"', i + 1);
            if (end == std::string::npos) throw ScenarioError(where + ": unterminated quote");
            word = line.substr(i + 1, end - i - 1);
            i = end + 1;
            if (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                throw ScenarioError(where + ": a quoted text ends its word");
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool NameStart(char ch) {
    return std::isalpha(static_cast<unsigned char>(ch)) || ch == '_';
}

bool NameChar(char ch) {
    return NameStart(ch) || std::isdigit(static_cast<unsigned char>(ch));
}

// Every ${NAME} of a line replaced by its value; a $ not followed by { stays as it is.
std::string Substitute(const std::string& line, const Defines& defines, const std::string& where) {
    std::string out;
    size_t i = 0;
    while (i < line.size()) {
        const size_t mark = line.find("${", i);
        if (mark == std::string::npos) break;
        out.append(line, i, mark - i);
        const size_t end = line.find('}', mark + 2);
        const std::string name =
            end == std::string::npos ? "" : line.substr(mark + 2, end - mark - 2);
        if (!IsParameterName(name)) throw ScenarioError(where + ": a parameter is written ${NAME}");
        const auto value = defines.find(name);
        if (value == defines.end())
            throw ScenarioError(where + ": no value for ${" + name + "} (--define " + name +
                                "=VALUE)");
        out += value->second;
        i = end + 1;
    }
    out.append(line, i, std::string::npos);
    return out;
}

// The next line of the text with its parameters filled in; false at the end.
bool NextLine(std::istream& in, std::string& line, int& number, const std::string& name,
              const Defines& defines) {
    if (!std::getline(in, line)) return false;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Substitute(line, defines, name + ":" + std::to_string(number));
    return true;
}

} // namespace

bool IsParameterName(const std::string& name) {
    return !name.empty() && NameStart(name[0]) && std::all_of(name.begin(), name.end(), NameChar);
}

void Fail(const Command& c, const std::string& what) {
    throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": " + what);
}

std::string Command::text() const {
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += ' ';
        out += w.find(' ') != std::string::npos || w.empty() ? "\"" + w + "\"" : w;
    }
    return out;
}

std::vector<Command> ParseScenarioText(const std::string& text, const std::string& name,
                                       const Defines& defines) {
    std::vector<Command> commands;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (NextLine(in, line, number, name, defines)) {
        const std::string where = name + ":" + std::to_string(number);
        bool lastQuoted = false;
        Command c{name, number, SplitWords(line, where, lastQuoted), {}};
        if (c.words.empty()) continue;
        // "file PATH <<END": the lines up to END are the file's content.
        if (!lastQuoted && c.words.back().rfind("<<", 0) == 0) {
            const std::string end = c.words.back().substr(2);
            if (end.empty()) throw ScenarioError(where + ": a block is written <<END");
            c.words.pop_back();
            c.block = true;
            bool closed = false;
            while (NextLine(in, line, number, name, defines)) {
                if (line == end) {
                    closed = true;
                    break;
                }
                c.body.push_back(line);
            }
            if (!closed) throw ScenarioError(where + ": no " + end + " after the block");
        }
        commands.push_back(std::move(c));
    }
    return commands;
}

std::vector<Command> ParseScenario(const std::string& path, const Defines& defines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScenarioError(path + ": cannot read the scenario");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScenarioText(text.str(), path, defines);
}

const std::string& Arg(const Command& c, size_t n) {
    if (n >= c.words.size()) Fail(c, "missing argument " + std::to_string(n));
    return c.words[n];
}

bool ParseInt32(const std::string& w, int64_t& out) {
    if (w.rfind("hash:", 0) == 0) {
        out = GameHash(w.substr(5));
        return w.size() > 5;
    }
    errno = 0;
    char* end = nullptr;
    const bool hex = w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X');
    const char* digits = hex ? w.c_str() + 2 : w.c_str();
    if (hex && (*digits == '-' || *digits == '+')) return false;
    const long long v = std::strtoll(digits, &end, hex ? 16 : 10);
    if (errno || end == digits || *end != '\0' || v < INT32_MIN || v > UINT32_MAX) return false;
    out = v;
    return true;
}

bool ParseNumber(const std::string& w, double& out) {
    if (w.find('.') == std::string::npos) {
        int64_t v = 0;
        if (!ParseInt32(w, v)) return false;
        out = static_cast<double>(v);
        return true;
    }
    char* end = nullptr;
    const double v = std::strtod(w.c_str(), &end);
    if (end == w.c_str() || *end != '\0' || !std::isfinite(v)) return false;
    out = v;
    return true;
}

int64_t ArgInt(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    int64_t v = 0;
    if (!ParseInt32(w, v)) Fail(c, "not a 32-bit number: " + w);
    return v;
}

double ArgNumber(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    double v = 0;
    if (!ParseNumber(w, v)) Fail(c, "not a number: " + w);
    return v;
}

float ArgFloat(const Command& c, size_t n) {
    return static_cast<float>(ArgNumber(c, n));
}

uint32_t ArgModel(ScenarioRun& run, const Command& c, size_t n) {
    const std::string& name = Arg(c, n);
    const uint32_t hash = GameHash(name);
    run.sim().world().hashNames.emplace(hash, name);
    return hash;
}

bool ArgOnOff(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    if (w == "on") return true;
    if (w == "off") return false;
    Fail(c, "expected on or off, found " + w);
}

uint32_t KeyCode(const std::string& name) {
    if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        const int f = std::atoi(name.c_str() + 1);
        if (f >= 1 && f <= 12) return 111 + static_cast<uint32_t>(f);
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<uint32_t>(name[0]);
    if (!name.empty() && name.size() <= 5 &&
        name.find_first_not_of("0123456789") == std::string::npos)
        return static_cast<uint32_t>(std::atoi(name.c_str()));
    return 0xFFFFFFFF;
}

} // namespace sim
