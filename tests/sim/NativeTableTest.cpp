// The simulator's native table agrees with the game's native list, so a call that passes
// here is a call the game accepts.
#include "NativeTable.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

struct ListedNative {
    std::string name;
    size_t params = 0;
    std::string types;
};

std::map<uint64_t, ListedNative> ReadNativeList(const std::string& path) {
    std::map<uint64_t, ListedNative> natives;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> cols;
        std::stringstream row(line);
        std::string col;
        while (std::getline(row, col, '\t'))
            cols.push_back(col);
        if (cols.size() < 5) continue;
        ListedNative n{cols[2], std::stoul(cols[3]), cols.size() > 5 ? cols[5] : ""};
        natives[std::stoull(cols[0], nullptr, 16)] = n;
    }
    return natives;
}

} // namespace

TEST(NativeTable, EveryHandlerDeclaresTheGamesParameterList) {
    const std::string list = corvale::testing::SourcePath("/../shared/natives/rdr2-natives.tsv");
    if (!std::filesystem::exists(list)) GTEST_SKIP() << "no native list beside the repository";
    const auto listed = ReadNativeList(list);
    ASSERT_GT(listed.size(), 7000u);
    sim::NativeTable table;
    sim::RegisterAllNatives(table);
    ASSERT_FALSE(table.all().empty());
    for (const auto& [hash, spec] : table.all()) {
        auto it = listed.find(hash);
        ASSERT_NE(it, listed.end()) << spec.name << " is not a native of the game";
        EXPECT_EQ(spec.name, it->second.name) << std::hex << hash;
        EXPECT_EQ(spec.types, it->second.types) << spec.name;
        EXPECT_EQ(spec.argc, it->second.params) << spec.name;
    }
}

TEST(NativeTable, DerivesCountsAndSlotKindsFromTheTypes) {
    sim::NativeTable table;
    table.add(1, "A", "Ped,float,const char*,BOOL,Any*,Any", nullptr);
    table.add(2, "B", "int,...", nullptr);
    table.add(3, "C", "", nullptr);
    using K = sim::SlotKind;
    EXPECT_EQ(table.find(1)->argc, 6u);
    EXPECT_EQ(table.find(1)->slots, (std::vector<K>{K::Word, K::Float, K::Unchecked, K::Bool,
                                                    K::Unchecked, K::Unchecked}));
    EXPECT_EQ(table.find(1)->slotTypes[2], "const char*");
    EXPECT_EQ(table.find(2)->argc, 1u);
    EXPECT_TRUE(table.find(2)->variadic);
    EXPECT_EQ(table.find(3)->argc, 0u);
    EXPECT_EQ(table.find(4), nullptr);
}
