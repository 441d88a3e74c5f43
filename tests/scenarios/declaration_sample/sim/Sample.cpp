// A simulator family for the declaration check's own tests.
void RegisterSampleNatives(NativeTable& t) {
    t.add(0xa1, "ALIKE", "int", [](Call&) {});
    t.add(0x00000000000000a2, "NEW_NAME", "Ped,float", [](Call&) {});
    t.add(
        0x00000000000000a4, "UNUSED", "BOOL", [](Call&) {});
    t.add(0x00000000000000a5, "STRAYED", "Ped", [](Call&) {}); // Strays.cpp's
}
