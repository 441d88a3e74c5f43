#pragma once
// What the still holds, checked value by value: EXPECT_THAT(save, StillHolds({45.5f, 2, 3,
// 54.5f, true})) names each value that differs; mash and production compare as
// EXPECT_FLOAT_EQ does.
#include "business/BusinessSave.h"

#include <gmock/gmock.h>

#include <ostream>

namespace corvale::business {

// A failed check shows the five values as the file would hold them.
inline void PrintTo(const BusinessSave& s, std::ostream* os) {
    *os << "{" << s.mash << " " << s.recipe << " " << s.flavour << " " << s.production << " "
        << s.herbsInStill << "}";
}

} // namespace corvale::business

namespace corvale::testing {

inline ::testing::Matcher<const business::BusinessSave&>
StillHolds(const business::BusinessSave& want) {
    using business::BusinessSave;
    using ::testing::Field;
    return ::testing::AllOf(
        Field("mash", &BusinessSave::mash, ::testing::FloatEq(want.mash)),
        Field("recipe", &BusinessSave::recipe, want.recipe),
        Field("flavour", &BusinessSave::flavour, want.flavour),
        Field("production", &BusinessSave::production, ::testing::FloatEq(want.production)),
        Field("herbsInStill", &BusinessSave::herbsInStill, want.herbsInStill));
}

} // namespace corvale::testing
