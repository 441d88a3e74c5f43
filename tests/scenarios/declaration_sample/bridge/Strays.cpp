// A second bridge family for the declaration check's own tests.
constexpr native::Native kStrayed{0x00000000000000a5, "STRAYED", "Ped"};
constexpr native::Native kAtHome{0x00000000000000a6, "AT_HOME", "Ped"};
