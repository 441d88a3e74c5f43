#pragma once
// The entry shape of the kit's tests: the spacing of the camp location menu, in screen fractions.
#include "ui/MenuInput.h"

namespace corvale::testing {

inline constexpr MenuInputShape kMenuEntryShape{.x = 0.045f,
                                                .width = 0.19f,
                                                .height = 0.05f,
                                                .margin = 0.005f,
                                                .topInset = 0.005f,
                                                .leftInset = 0,
                                                .textScale = 0.34f};

} // namespace corvale::testing
