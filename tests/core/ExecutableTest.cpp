// Named values of a ticked object: flags start cleared, and a look-up never allocates.
#include "core/runtime/Executable.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

class Ticked final : public Executable {
  public:
    void tick() override {}
};

TEST(ExecutableValues, ANameNeverSetReadsZeroAndASetOneReadsItsLastValue) {
    Ticked t;
    EXPECT_EQ(t.getValue("objectives.1"), 0);
    t.setValue("objectives.1", 1);
    t.setValue("prisonGuard.next_pee_time", -2147483647 - 1);
    t.setValue("objectives.1", 7);
    EXPECT_EQ(t.getValue("objectives.1"), 7);
    EXPECT_EQ(t.getValue("prisonGuard.next_pee_time"), -2147483647 - 1);
    EXPECT_EQ(t.getValue("objectives.2"), 0);
}

TEST(ExecutableValues, NamesAreExactAndApartPerObject) {
    Ticked a, b;
    a.setValue("hints.back_door", 1);
    EXPECT_EQ(a.getValue("hints.back_doo"), 0);
    EXPECT_EQ(a.getValue("HINTS.BACK_DOOR"), 0);
    EXPECT_EQ(b.getValue("hints.back_door"), 0);
}

} // namespace
