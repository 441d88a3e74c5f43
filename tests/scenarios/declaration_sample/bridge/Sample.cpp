// A bridge family for the declaration check's own tests.
constexpr native::Native kAlike{0x00000000000000a1, "ALIKE", "int"};
constexpr native::Native kRenamed{0x00000000000000a2, "OLD_NAME",
                                  "Ped,float"};
constexpr native::Native kUnanswered{0x00000000000000a3, "UNANSWERED", ""};
