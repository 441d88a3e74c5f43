// Configuration is read every frame: a look-up must not touch the heap, whatever form the
// key is given in.
#include "core/data/DictDataFile.h"
#include "core/data/Settings.h"
#include "core/runtime/Executable.h"
#include "core/runtime/InlineVector.h"
#include "support/BareGameFolder.h"

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {
// Counts every allocation made through operator new while counting is on.
bool gCounting = false;
long gAllocations = 0;

void* CountedAllocation(std::size_t size) {
    if (gCounting) ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace corvale;

namespace {

// A fresh game folder, without any host: look-ups make no game call and log nothing.
class LookupAllocationTest : public corvale::testing::BareGameFolderTest {
  protected:
    // Allocations made by f.
    template <class F> long AllocationsOf(F f) {
        gAllocations = 0;
        gCounting = true;
        f();
        gCounting = false;
        return gAllocations;
    }
};

TEST_F(LookupAllocationTest, DataFileLookUpsAllocateNothing) {
    // Keys longer than any small-string buffer, so a temporary key string would show.
    const std::string key = "stats.influence.mission_effects.sabotage.success";
    WriteFile("Corvale/GeneralMeta.dat", key +
                                             "=0.2\nauto_save_frequency_seconds=30\n"
                                             "missions.cook_rescue.objectives.interact_with_"
                                             "clint=Talk to Clint.\nflag.long.enough.to.spill=1\n");
    DictDataFile file("Corvale/GeneralMeta.dat");
    ASSERT_TRUE(file.load());
    float f = 0;
    int i = 0;
    bool b = false;
    size_t length = 0;
    const long allocations = AllocationsOf([&] {
        f = file.getFloat("stats.influence.mission_effects.sabotage.success", 0.0f);
        f += file.getFloat(key, 0.0f);
        i = file.getInt("auto_save_frequency_seconds", 30);
        i += file.getInt("absent.key.that.is.long.enough.to.spill", 1);
        b = file.getBool("flag.long.enough.to.spill");
        length = file.getString("missions.cook_rescue.objectives.interact_with_clint").size();
        length += file.getString("absent.key.that.is.long.enough.to.spill").size();
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_FLOAT_EQ(f, 0.4f);
    EXPECT_EQ(i, 31);
    EXPECT_TRUE(b);
    EXPECT_EQ(length, 14u);
}

TEST_F(LookupAllocationTest, SettingLookUpsAllocateNothing) {
    WriteFile("Corvale/Settings.ini", "DevTools=1\nSomeVeryLongSettingNameBeyondSso=yes\n");
    Settings settings;
    settings.load("Corvale/Settings.ini", {{"DebugLogs", "1"}});
    bool devTools = false;
    size_t length = 0;
    const long allocations = AllocationsOf([&] {
        devTools = settings.getBool("DevTools");
        length = settings.getString("SomeVeryLongSettingNameBeyondSso").size();
        length += settings.getString("AnAbsentSettingWithAVeryLongName").size();
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_TRUE(devTools);
    EXPECT_EQ(length, 3u);
}

// The first tutorial seen and the first mission passed write new keys during a fight: with
// room kept for them, the writes and the save after them allocate nothing, the spare room
// never shows in the file, and a key past the room is still written.
TEST_F(LookupAllocationTest, NewKeysWithinTheRoomKeptAndTheirSaveAllocateNothing) {
    WriteFile("Corvale/TutorialFlags.dat", "");
    DictDataFile flags("Corvale/TutorialFlags.dat");
    ASSERT_TRUE(flags.load());
    flags.keepRoomForNewKeys(2);
    EXPECT_TRUE(flags.entries().empty()) << "the room is not a key";
    bool saved = false;
    const long allocations = AllocationsOf([&] {
        flags.setInt("camp_raid_defended", 1);
        flags.setInt("a_tutorial_name_longer_than_a_small_string", 1);
        saved = flags.save(false);
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_TRUE(saved);
    flags.setInt("kickoff", 1);
    flags.setInt("camp_raid_defended", 0);
    ASSERT_TRUE(flags.save(false));
    DictDataFile again("Corvale/TutorialFlags.dat");
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.text(),
              "a_tutorial_name_longer_than_a_small_string=1\ncamp_raid_defended=0\nkickoff=1\n");
}

// A raid registers its gang as they come: within the room inside the list nothing touches the
// heap, and a gang larger than the room is still held whole.
TEST_F(LookupAllocationTest, AnInlineVectorAllocatesOnlyPastItsRoom) {
    std::vector<int> kept;
    kept.reserve(8);
    const long allocations = AllocationsOf([&] {
        InlineVector<int, 4> gang;
        for (int raider = 1; raider <= 4; ++raider)
            gang.push_back(raider);
        std::erase(gang, 2);
        gang.push_back(5);
        for (int raider : gang)
            kept.push_back(raider);
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(kept, (std::vector<int>{1, 3, 4, 5}));

    InlineVector<int, 2> crowd;
    const long past = AllocationsOf([&] {
        for (int raider = 1; raider <= 5; ++raider)
            crowd.push_back(raider);
    });
    EXPECT_GE(past, 1);
    EXPECT_EQ(std::vector<int>(crowd.begin(), crowd.end()), (std::vector<int>{1, 2, 3, 4, 5}));
}

// A mission reads its one-shot flags every frame: after the first write of a name, reads and
// rewrites of it touch no heap, and a name never set reads 0 without being stored.
class Flags final : public Executable {
  public:
    void tick() override {}
};

TEST_F(LookupAllocationTest, NamedValuesReadAndRewrittenAllocateNothing) {
    Flags mission;
    mission.setValue("prisonGuard.next_pee_time", 5000);
    int32_t sum = 0;
    const long allocations = AllocationsOf([&] {
        sum += mission.getValue("prisonGuard.next_pee_time");
        sum += mission.getValue(std::string_view("hints.clint_low_health.never_set_at_all"));
        mission.setValue("prisonGuard.next_pee_time", 7000);
        sum += mission.getValue("prisonGuard.next_pee_time");
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(sum, 12000);
}

TEST(Executable, ANameNeverSetReadsZeroAndAWriteOverwrites) {
    Flags mission;
    EXPECT_EQ(mission.getValue("hints.back_door"), 0);
    mission.setValue("hints.back_door", 1);
    mission.setValue("objectives.1", -3);
    mission.setValue("hints.back_door", 2);
    EXPECT_EQ(mission.getValue("hints.back_door"), 2);
    EXPECT_EQ(mission.getValue("objectives.1"), -3);
    EXPECT_EQ(mission.getValue("hints.back"), 0) << "no prefix match";
    Flags other;
    EXPECT_EQ(other.getValue("hints.back_door"), 0) << "each object has its own table";
}

} // namespace
