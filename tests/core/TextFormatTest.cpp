// Texts from the data files are formats a translator writes: whatever they hold, the one
// argument lands in the first "%s", nothing else is interpreted and the buffer holds.
#include "core/text/TextFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using corvale::CopyText;
using corvale::FormatText;
using corvale::JoinKeepingTail;

namespace {

std::string Format(const char* format, const char* arg, size_t size = 256) {
    char out[256];
    std::memset(out, '#', sizeof out);
    const size_t n = FormatText(out, size, format, arg);
    EXPECT_EQ(n, std::strlen(out));
    return out;
}

} // namespace

TEST(FormatText, PutsTheArgumentInPlaceOfTheFirstPercentS) {
    EXPECT_EQ(Format("Not enough money: the move costs $%s.", "50"),
              "Not enough money: the move costs $50.");
    EXPECT_EQ(Format("%s", "Tall Trees"), "Tall Trees");
    EXPECT_EQ(Format("no placeholder", "x"), "no placeholder");
}

TEST(FormatText, CopiesEveryOtherConversionLiterally) {
    EXPECT_EQ(Format("%s moved %n here", "camp"), "camp moved %n here");
    EXPECT_EQ(Format("%d%x%p%f %08x %*s %.99999s", "A"), "%d%x%p%f %08x %*s %.99999s");
    EXPECT_EQ(Format("%s and %s again", "one"), "one and %s again");
    EXPECT_EQ(Format("%5s|%-3s|%s", "arg"), "%5s|%-3s|arg");
}

TEST(FormatText, WritesDoublePercentAsOneAndKeepsAStrayPercent) {
    EXPECT_EQ(Format("100%% of %s", "it"), "100% of it");
    EXPECT_EQ(Format("%%s is %s", "kept"), "%s is kept") << "%% is consumed before s is seen";
    EXPECT_EQ(Format("ends with %", "x"), "ends with %");
    EXPECT_EQ(Format("%", nullptr), "%");
}

TEST(FormatText, NeverExpandsWhatTheArgumentHolds) {
    EXPECT_EQ(Format("[%s]", "%s%n%d%%"), "[%s%n%d%%]");
}

TEST(FormatText, ReadsNullFormatOrArgumentAsEmpty) {
    EXPECT_EQ(Format(nullptr, "x"), "");
    EXPECT_EQ(Format("fee: %s!", nullptr), "fee: !");
}

TEST(FormatText, CutsToTheStatedSizeAndNeverWritesPastIt) {
    char out[16];
    std::memset(out, '#', sizeof out);
    const size_t n = FormatText(out, 8, "%s and more text", "argument");
    EXPECT_EQ(n, 7u);
    EXPECT_STREQ(out, "argumen");
    for (size_t i = 8; i < sizeof out; ++i)
        EXPECT_EQ(out[i], '#') << "byte " << i << " written";

    std::memset(out, '#', sizeof out);
    EXPECT_EQ(FormatText(out, 1, "%s", "x"), 0u);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], '#');
    out[0] = '#';
    EXPECT_EQ(FormatText(out, 0, "%s", "x"), 0u);
    EXPECT_EQ(out[0], '#') << "size 0 writes nothing";
}

TEST(FormatText, LongHostileFormatsStayInsideTheBuffer) {
    std::string format;
    for (int i = 0; i < 500; ++i)
        format += "%n%s%d%%";
    char out[201];
    out[200] = '#';
    const size_t n = FormatText(out, 200, format.c_str(), "$25");
    EXPECT_EQ(n, 199u);
    EXPECT_EQ(out[200], '#');
    EXPECT_EQ(std::string(out).substr(0, 12), "%n$25%d%%n%s");
}

TEST(FormatText, ACutNeverSplitsAUtf8Character) {
    // "é" is two bytes: with room for 4 bytes "caf" fits, "café" does not.
    EXPECT_EQ(Format("%s", "caf\xC3\xA9", 5), "caf");
    EXPECT_EQ(Format("%s", "caf\xC3\xA9", 6), "caf\xC3\xA9");
    // "€" is three bytes.
    EXPECT_EQ(Format("x\xE2\x82\xAC", nullptr, 4), "x");
    EXPECT_EQ(Format("x\xE2\x82\xAC", nullptr, 5), "x\xE2\x82\xAC");
}

TEST(CopyText, CopiesVerbatimAndCutsToTheBuffer) {
    char out[6];
    EXPECT_EQ(CopyText(out, "%s%n"), 4u);
    EXPECT_STREQ(out, "%s%n");
    EXPECT_EQ(CopyText(out, "Rhodes camp"), 5u);
    EXPECT_STREQ(out, "Rhode");
    EXPECT_EQ(CopyText(out, nullptr), 0u);
    EXPECT_STREQ(out, "");
}

// "Batch progress: 42%": a label too long for the line gives way to the figure.
TEST(JoinKeepingTail, ALongHeadIsCutSoTheTailFitsWhole) {
    char out[16];
    EXPECT_EQ(JoinKeepingTail(out, "Batch progress:", " 42%"), 15u);
    EXPECT_STREQ(out, "Batch progr 42%");
}

TEST(JoinKeepingTail, TheCutNeverSplitsACharacter) {
    char out[10];
    // Four two-byte characters: only three fit before " 7%".
    JoinKeepingTail(out, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", " 7%");
    EXPECT_STREQ(out, "\xC3\xA9\xC3\xA9\xC3\xA9 7%");
}

TEST(JoinKeepingTail, AShortHeadIsKeptWhole) {
    char out[32];
    JoinKeepingTail(out, "Batch progress:", " 100%");
    EXPECT_STREQ(out, "Batch progress: 100%");
}
