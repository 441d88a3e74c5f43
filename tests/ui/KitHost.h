#pragma once
// A fake host for the interface kit: text handles are the texts' own pointers, controls
// read as pressed when the test says so, and the drawn texts and sprites are read back
// from the recorded calls.
#include "support/FakeHost.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace kit {

constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr uint64_t kSetTextColour = 0x16fa5ce47f184f1e;
constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;
constexpr uint64_t kDisplayText = 0x16794e044c9efb58;
constexpr uint64_t kSetTextCentre = 0xbe5261939fbecb8c; // missing from the current game build
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
constexpr uint64_t kJustPressed = 0x580417101ddb492f;
constexpr uint64_t kDisabledJustPressed = 0x91aef906bca88877;
constexpr uint64_t kStopSound = 0x0f2a2175734926d8;
constexpr uint64_t kPlaySound = 0x67c540aa08e4a6f5;
constexpr uint64_t kCashBalance = 0x0c02dabfa3b98176;
constexpr uint64_t kHashKey = 0xfd340785adf8cfb7;

constexpr uint32_t kDown = 0x05CA7C52;    // INPUT_FRONTEND_DOWN
constexpr uint32_t kUp = 0x6319DB71;      // INPUT_FRONTEND_UP
constexpr uint32_t kAccept = 0xC7B5340A;  // INPUT_FRONTEND_ACCEPT
constexpr uint32_t kSatchel = 0x9B1CA8DA; // INPUT_INSPECT_OPEN_SATCHEL

inline float F(uint64_t slot) {
    const uint32_t bits = static_cast<uint32_t>(slot);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}
inline std::string S(uint64_t slot) {
    const char* s = reinterpret_cast<const char*>(slot);
    return s ? s : "";
}

struct Text {
    std::string markup;
    float x, y;
};
struct Sprite {
    std::string dictionary, texture;
    float centreX, centreY, width, height;
};

class KitHost : public corvale::testing::FakeHost {
  public:
    KitHost() {
        answer(kVarString, [](const std::vector<uint64_t>& a) -> uint64_t {
            if (a.at(0) == 10) return a.at(2); // LITERAL_STRING: the text itself
            if (a.at(0) == 42) return a.at(3); // COLOR_STRING: the wrapped text
            return 0;
        });
        answer(kHashKey, [](const std::vector<uint64_t>& a) -> uint64_t {
            return S(a.at(0)) == "INPUT_INSPECT_OPEN_SATCHEL" ? kSatchel : 0x1234;
        });
        auto control = [this](const std::vector<uint64_t>& a) -> uint64_t {
            return pressed.count(static_cast<uint32_t>(a.at(1))) ? 1 : 0;
        };
        answer(kJustPressed, control);
        answer(kDisabledJustPressed, control);
        answer(kCashBalance, [this](const std::vector<uint64_t>&) -> uint64_t {
            return static_cast<uint32_t>(cashCents);
        });
    }

    std::vector<Text> texts() const {
        std::vector<Text> out;
        for (const auto& c : callsTo(kDisplayText))
            out.push_back({S(c.args[0]), F(c.args[1]), F(c.args[2])});
        return out;
    }
    std::vector<Sprite> sprites() const {
        std::vector<Sprite> out;
        for (const auto& c : callsTo(kDrawSprite))
            out.push_back({S(c.args[0]), S(c.args[1]), F(c.args[2]), F(c.args[3]), F(c.args[4]),
                           F(c.args[5])});
        return out;
    }
    std::vector<std::string> sounds() const {
        std::vector<std::string> out;
        for (const auto& c : callsTo(kPlaySound))
            out.push_back(S(c.args[1]) + " " + S(c.args[0]));
        return out;
    }

    std::set<uint32_t> pressed; // controls just pressed
    int32_t cashCents = 1000000;
};

// "<FONT FACE='$body' COLOR='#ffffff'>Camp</FONT>" for text "Camp" in font "$body".
inline std::string Markup(const std::string& font, const std::string& text) {
    return "<FONT FACE='" + font + "' COLOR='#ffffff'>" + text + "</FONT>";
}

} // namespace kit
