// Settings.ini: defaults, the line grammar with comments and section headers, and the
// boolean reading of a setting.
#include "core/data/Settings.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr const char* kPath = "Corvale/Settings.ini";

const SettingsMap kCampDefaults{{"DevTools", "0"}, {"UseMpAssets", "1"}, {"DebugLogs", "1"}};

class SettingsTest : public corvale::testing::GameFolderTest {
  protected:
    void LoadText(std::string_view text) {
        WriteFile(kPath, text);
        settings.load(kPath, kCampDefaults);
    }
    Settings settings;
};

// Settings::load

TEST_F(SettingsTest, WithoutAFileTheDefaultsStayAndTheFailureIsLogged) {
    settings.load(kPath, kCampDefaults);
    EXPECT_EQ(settings.getString("DevTools"), "0");
    EXPECT_EQ(settings.getString("UseMpAssets"), "1");
    EXPECT_EQ(settings.getString("DebugLogs"), "1");
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{
                                 "Unable to load from data file, please make sure it exists."}));
}

TEST_F(SettingsTest, ASectionHeaderAndDevToolsOneTurnTheDebugToolsOn) {
    LoadText("[General]\nDevTools=1\n");
    EXPECT_TRUE(settings.getBool("DevTools"));
    EXPECT_TRUE(settings.getBool("UseMpAssets"));
    EXPECT_EQ(LogMessages(),
              (std::vector<std::string>{"loading settings file: Corvale/Settings.ini",
                                        "settings file loaded"}));
}

TEST_F(SettingsTest, NotepadsLineEndsAreNoPartOfAValue) {
    LoadText("[General]\r\nDevTools=1\r\nDebugLogs=0\r\n");
    EXPECT_EQ(settings.getString("DevTools"), "1");
    EXPECT_EQ(settings.getString("DebugLogs"), "0");
    EXPECT_EQ(settings.getString("UseMpAssets"), "1");
}

TEST_F(SettingsTest, CommentAndHeaderLinesAreSkippedWhateverTheyHold) {
    LoadText("; DevTools=1\n// DebugLogs=0\n\\UseMpAssets=0\n[DevTools=1]\n/x=y\n");
    EXPECT_EQ(settings.getString("DevTools"), "0");
    EXPECT_EQ(settings.getString("DebugLogs"), "1");
    EXPECT_EQ(settings.getString("UseMpAssets"), "1");
    EXPECT_EQ(settings.getString("; DevTools"), "");
    EXPECT_EQ(settings.getString("/x"), "");
    EXPECT_FALSE(Logged("cannot parse line: [DevTools=1], please make sure it is assembled of "
                        "the correct format (<setting_name>=<settings_value>)."));
}

TEST_F(SettingsTest, ABadLineIsLoggedAndTheLinesAfterItAreStillRead) {
    LoadText("DevTools\nA=b=c\nDebugLogs=0\n");
    EXPECT_TRUE(Logged("cannot parse line: DevTools, please make sure it is assembled of the "
                       "correct format (<setting_name>=<settings_value>)."));
    EXPECT_TRUE(Logged("cannot parse line: A=b=c, please make sure it is assembled of the "
                       "correct format (<setting_name>=<settings_value>)."));
    EXPECT_EQ(settings.getString("A"), "");
    EXPECT_EQ(settings.getString("DebugLogs"), "0");
    EXPECT_TRUE(Logged("settings file loaded"));
}

TEST_F(SettingsTest, BlanksAroundTheEqualsMakeAnotherKeySoTheDefaultStays) {
    const SettingsMap businessDefaults{
        {"DevTools", "0"}, {"UseMpAssets", "1"}, {"BrewingTimeModifier", "1"}};
    WriteFile(kPath, "BrewingTimeModifier = 2\n");
    settings.load(kPath, businessDefaults);
    EXPECT_EQ(settings.getString("BrewingTimeModifier"), "1");
    EXPECT_EQ(settings.getString("BrewingTimeModifier "), " 2");
}

TEST_F(SettingsTest, ALaterLineWinsAndKeysOutsideTheDefaultsAreKept) {
    LoadText("DebugLogs=0\nDebugLogs=1\nBrewingTimeModifier=0.5\n");
    EXPECT_EQ(settings.getString("DebugLogs"), "1");
    EXPECT_EQ(settings.getString("BrewingTimeModifier"), "0.5");
}

TEST_F(SettingsTest, LoadingAgainStartsFromTheNewDefaults) {
    LoadText("Extra=1\nDevTools=1\n");
    settings.load("Corvale/Missing.ini", kCampDefaults);
    EXPECT_EQ(settings.getString("Extra"), "");
    EXPECT_EQ(settings.getString("DevTools"), "0");
}

// Settings::getBool

TEST_F(SettingsTest, MinusOneAndZeroReadFalseOtherNumbersTrue) {
    LoadText("DevTools=-1\nDebugLogs=2\nUseMpAssets=0\nA=-999\nB=1 and more\n");
    EXPECT_FALSE(settings.getBool("DevTools"));
    EXPECT_TRUE(settings.getBool("DebugLogs"));
    EXPECT_FALSE(settings.getBool("UseMpAssets"));
    EXPECT_TRUE(settings.getBool("A"));
    EXPECT_TRUE(settings.getBool("B"));
}

TEST_F(SettingsTest, AnEmptyOrAbsentSettingReadsFalse) {
    LoadText("DevTools==\n");
    EXPECT_EQ(settings.getString("DevTools"), "");
    EXPECT_FALSE(settings.getBool("DevTools"));
    EXPECT_FALSE(settings.getBool("Absent"));
}

TEST_F(SettingsTest, ASettingThatIsNoNumberReadsAsItsBuiltInValueAndIsLoggedOnce) {
    LoadText("DevTools=yes\nDebugLogs=true\nUseMpAssets=4294967296\nOther=on\n");
    // Read every frame, said once.
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_FALSE(settings.getBool("DevTools"));
        EXPECT_TRUE(settings.getBool("DebugLogs"));
        EXPECT_TRUE(settings.getBool("UseMpAssets"));
        EXPECT_FALSE(settings.getBool("Other")) << "no built-in value: off";
    }
    EXPECT_TRUE(Logged("Settings.ini: DevTools is not a number: yes, using 0"));
    EXPECT_TRUE(Logged("Settings.ini: DebugLogs is not a number: true, using 1"));
    EXPECT_TRUE(Logged("Settings.ini: UseMpAssets is not a number: 4294967296, using 1"));
    EXPECT_EQ(LogMessages().size(), 2u + 4u);
}

TEST_F(SettingsTest, AByteOrderMarkBeforeTheFirstSettingIsNothing) {
    LoadText("\xEF\xBB\xBF"
             "DevTools=1\n");
    EXPECT_TRUE(settings.getBool("DevTools"));
}

} // namespace
