// Composed mark-up that the game reads for the whole frame: both plug-ins compose into one ring;
// a text never loses its closing tag and is never cut inside a UTF-8 character.
#include "core/text/Markup.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvale;

namespace {

bool WholeUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char lead = static_cast<unsigned char>(s[i]);
        const size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

} // namespace

TEST(ComposeFontMarkup, WrapsTheTextInTheFontAndColourAsGiven) {
    EXPECT_STREQ(ComposeFontMarkup("$body", "#ffffff", "Camp"),
                 "<FONT FACE='$body' COLOR='#ffffff'>Camp</FONT>");
    EXPECT_STREQ(ComposeFontMarkup("$title", "#%04X", "$15"),
                 "<FONT FACE='$title' COLOR='#%04X'>$15</FONT>")
        << "the still's colour placeholder is copied, not formatted";
}

TEST(ComposeFontMarkup, ALongTranslationIsKeptWholeWithItsClosingTag) {
    std::string translation;
    for (int i = 0; i < 400; ++i)
        translation += "\xC3\xA9"; // "é": 800 bytes, past the still's old 768-byte buffers
    translation += " the end";
    const std::string out = ComposeFontMarkup("$body", "#%04X", translation.c_str());
    EXPECT_EQ(out, "<FONT FACE='$body' COLOR='#%04X'>" + translation + "</FONT>");
}

TEST(ComposeFontMarkup, TextsOfAFrameStayValidTogether) {
    const char* first = ComposeFontMarkup("$body", "#ffffff", "first");
    const char* second = ComposeFontMarkup("$title", "#ffffff", "second");
    EXPECT_STREQ(first, "<FONT FACE='$body' COLOR='#ffffff'>first</FONT>");
    EXPECT_STREQ(second, "<FONT FACE='$title' COLOR='#ffffff'>second</FONT>");
}

TEST(ComposeFontMarkup, ATextLongerThanTheRingLosesItsEndButNotItsTagNorHalfACharacter) {
    std::string huge(kMarkupRingBytes - 40, 'a');
    huge += "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"; // euro signs across the ring's end
    huge += std::string(100, 'b');
    const std::string out = ComposeFontMarkup("$body", "#ffffff", huge.c_str());
    EXPECT_LT(out.size(), kMarkupRingBytes);
    ASSERT_GE(out.size(), 7u);
    EXPECT_EQ(out.substr(out.size() - 7), "</FONT>");
    EXPECT_TRUE(WholeUtf8(out));
}
