// Two wrappers for the coverage check's own test: one called by the sample story, one not.
constexpr unsigned long long kCalled = 0x00000000000000aa;
constexpr unsigned long long kUncalled = 0x00000000000000bb;
