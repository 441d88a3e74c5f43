// How a Prompt talks to the game: registration by kind, apply, groups, completion polling.
#include "core/natives/Prompt.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace corvale;
using corvale::testing::FakeHost;
using corvale::testing::RecordedCall;

namespace {

constexpr uint64_t kRegisterBegin = 0x04f97de45a519419;
constexpr uint64_t kSetControlAction = 0xb5352b7494a08258;
constexpr uint64_t kSetText = 0x5dd02a8318420dd7;
constexpr uint64_t kSetGroup = 0x2f11d3a254169ea4;
constexpr uint64_t kSetStandardMode = 0xcc6656799977741b;
constexpr uint64_t kSetHoldMode = 0x94073d5ca3f16b7b;
constexpr uint64_t kSetMashManualMode = 0x32df729d8bd3c1c6;
constexpr uint64_t kSetStandardizedHoldMode = 0x74c7d7b72ed0d3cf;
constexpr uint64_t kSetAttribute = 0x560e76d5e2e1803f;
constexpr uint64_t kRegisterEnd = 0xf7aa2696a22ad8b9;
constexpr uint64_t kSetEnabled = 0x8a0fb4d03a630d21;
constexpr uint64_t kSetVisible = 0x71215accfde075ee;
constexpr uint64_t kGroupForEntity = 0xb796970bd125fce8;
constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr uint64_t kStandardCompleted = 0xc92ac953f0a982ae;
constexpr uint64_t kHoldCompleted = 0xe0f65f0640ef0617;
constexpr uint64_t kMashCompleted = 0x845ce958416dc473;

constexpr int32_t kHandle = 41;
constexpr Hash kControl = 0xC7B5340A;
constexpr uint64_t kTextHandle = 0x5000;

struct PromptProtocolTest : ::testing::Test {
    void SetUp() override {
        host.answer(kRegisterBegin, kHandle);
        host.answer(kVarString, kTextHandle);
    }
    std::vector<uint64_t> hashes() const {
        std::vector<uint64_t> out;
        for (const RecordedCall& c : host.calls())
            out.push_back(c.hash);
        return out;
    }
    std::vector<uint64_t> argsOf(uint64_t hash) const { return host.callsTo(hash).at(0).args; }
    FakeHost host;
};

uint64_t FloatSlot(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

} // namespace

TEST_F(PromptProtocolTest, ANewPromptRegistersItsControlTextAndModeThenStartsHidden) {
    Prompt p("Open the ledger", kControl, 2);
    EXPECT_EQ(hashes(), (std::vector<uint64_t>{kRegisterBegin, kSetControlAction, kVarString,
                                               kSetText, kSetGroup, kSetHoldMode, kSetAttribute,
                                               kRegisterEnd, kSetEnabled, kSetVisible}));
    EXPECT_EQ(argsOf(kSetControlAction), (std::vector<uint64_t>{kHandle, kControl}));
    EXPECT_EQ(argsOf(kSetText), (std::vector<uint64_t>{kHandle, kTextHandle}))
        << "the text goes as a game text handle";
    EXPECT_EQ(argsOf(kSetGroup), (std::vector<uint64_t>{kHandle, 0, 0}));
    EXPECT_EQ(argsOf(kSetAttribute), (std::vector<uint64_t>{kHandle, 18, 1}));
    EXPECT_EQ(argsOf(kSetEnabled), (std::vector<uint64_t>{kHandle, 0}))
        << "hidden, so not enabled in the game";
    EXPECT_EQ(argsOf(kSetVisible), (std::vector<uint64_t>{kHandle, 0}));
    EXPECT_TRUE(p.enabled());
    EXPECT_FALSE(p.visible());
}

TEST_F(PromptProtocolTest, EachKindChoosesItsMode) {
    Prompt(nullptr, kControl, 0);
    EXPECT_EQ(argsOf(kSetStandardMode), (std::vector<uint64_t>{kHandle, 1}));
    Prompt(nullptr, kControl, 1);
    EXPECT_EQ(host.callsTo(kSetHoldMode).size(), 1u);
    Prompt(nullptr, kControl, 3);
    Prompt(nullptr, kControl, 5);
    ASSERT_EQ(host.callsTo(kSetStandardizedHoldMode).size(), 2u);
    EXPECT_EQ(host.callsTo(kSetStandardizedHoldMode)[1].args, (std::vector<uint64_t>{kHandle, 1}));
    Prompt(nullptr, kControl, 4);
    EXPECT_EQ(argsOf(kSetMashManualMode),
              (std::vector<uint64_t>{kHandle, FloatSlot(1.0f), 0, 0, 0}))
        << "the mash rate travels as the float 1.0";
    EXPECT_EQ(host.callsTo(kSetHoldMode).size(), 1u) << "only kinds 1 and 2 are plain hold prompts";
}

TEST_F(PromptProtocolTest, TheGameSeesItEnabledOnlyWhileVisibleAndEnabled) {
    Prompt p("Drink", kControl, 0);
    host.clearCalls();
    p.show();
    EXPECT_EQ(argsOf(kSetEnabled)[1], 1u);
    EXPECT_EQ(argsOf(kSetVisible)[1], 1u);
    host.clearCalls();
    p.setEnabled(false);
    EXPECT_EQ(argsOf(kSetEnabled)[1], 0u);
    EXPECT_EQ(argsOf(kSetVisible)[1], 1u) << "disabled prompts stay on screen";
    host.clearCalls();
    p.setEnabled(true);
    p.hide();
    EXPECT_EQ(host.callsTo(kSetEnabled).back().args[1], 0u);
    EXPECT_EQ(host.callsTo(kSetVisible).back().args[1], 0u);
}

TEST_F(PromptProtocolTest, GroupFromAnEntityJoinsOnlyAGroupTheGameGives) {
    Prompt p("Ledger", kControl, 0);
    host.clearCalls();
    host.answer(kGroupForEntity, 0);
    p.setGroupFrom(0x300);
    EXPECT_TRUE(host.callsTo(kSetGroup).empty()) << "no group for that entity: nothing to join";
    host.answer(kGroupForEntity, 77);
    p.setGroupFrom(0x300);
    EXPECT_EQ(argsOf(kSetGroup), (std::vector<uint64_t>{kHandle, 77, 0}));
    EXPECT_EQ(p.group(), 77);
    host.clearCalls();
    p.setGroupFrom(0);
    EXPECT_EQ(argsOf(kSetGroup), (std::vector<uint64_t>{kHandle, 0, 0}));
    EXPECT_TRUE(host.callsTo(kGroupForEntity).empty());
}

TEST_F(PromptProtocolTest, AHiddenOrDisabledPromptNeverCompletesAndAsksNothing) {
    host.answer(kStandardCompleted, 1);
    Prompt p("Drink", kControl, 0);
    host.clearCalls();
    EXPECT_FALSE(p.completed());
    p.show();
    p.setEnabled(false);
    host.clearCalls();
    EXPECT_FALSE(p.completed());
    EXPECT_TRUE(host.calls().empty());
}

TEST_F(PromptProtocolTest, APressPromptAsksTheStandardQueryWithItsHandle) {
    Prompt p("Drink", kControl, 0);
    p.show();
    host.answer(kStandardCompleted, 1);
    EXPECT_TRUE(p.completed());
    EXPECT_EQ(argsOf(kStandardCompleted), (std::vector<uint64_t>{kHandle, 0}));
}

TEST_F(PromptProtocolTest, AHeldKindTwoPromptCompletesOncePerHold) {
    Prompt p("Put herbs in", kControl, 2);
    p.show();
    bool held = true;
    host.answer(kHoldCompleted, [&](const std::vector<uint64_t>&) { return held ? 1 : 0; });
    host.answer(kMashCompleted, 0);
    EXPECT_TRUE(p.completed());
    EXPECT_FALSE(p.completed());
    EXPECT_FALSE(p.completed());
    held = false;
    EXPECT_FALSE(p.completed());
    held = true;
    EXPECT_TRUE(p.completed()) << "a new hold after release completes again";
}

TEST_F(PromptProtocolTest, AKindOnePromptReportsEveryPollWhileHeld) {
    Prompt p("Wait", kControl, 1);
    p.show();
    host.answer(kHoldCompleted, 1);
    EXPECT_TRUE(p.completed());
    EXPECT_TRUE(p.completed());
    EXPECT_EQ(argsOf(kHoldCompleted), (std::vector<uint64_t>{kHandle}));
}
