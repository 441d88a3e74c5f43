#pragma once
// The shape of a scenario command's arguments, checked for every line before the first
// frame so that a bad line fails at once, with its file and line.
//
// A signature lists the arguments after the command's name, e.g. "X:num Y:num Z:num
// [HEADING:num]". An upper-case NAME is any word; NAME:TYPE a word of that type (int: a
// 32-bit number, 0x hex or hash:TEXT; count: an int of 0 or more; num: a number with or
// without a point; path: a path inside the game folder; key: a key name; word: an event
// word, a number or player, ped:MODEL, entity:MODEL; slot: a game event's 64-bit slot);
// lower-case words separated by | are the words allowed there; [ ... ] is optional; "..."
// repeats the argument before it; "<<" asks for a <<END block. Alternatives are separated
// by " / ".
#include <string>
#include <vector>

namespace sim {

struct Command;

class Signature {
  public:
    Signature() = default;
    explicit Signature(const std::string& text); // throws std::logic_error when malformed

    // Checks c.words from `first` on; "" when they fit, otherwise what is wrong.
    std::string check(const Command& c, size_t first) const;
    bool wantsBlock() const { return block_; }
    const std::string& text() const { return text_; }

    struct Item {
        enum Kind { Word, Int, Count, Num, Path, Key, EventWord, Slot, Choice, Group } kind = Word;
        std::string name;               // as written, for messages
        std::vector<std::string> words; // a Choice's words
        std::vector<Item> group;        // an optional group's items
        bool repeat = false;
    };

  private:
    std::string text_;
    std::vector<std::vector<Item>> alternatives_;
    bool block_ = false;
};

// Whether one word is of an argument type; why not, otherwise ("" when it is).
std::string CheckWord(const Signature::Item& item, const std::string& word);

} // namespace sim
