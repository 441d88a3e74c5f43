// The simulator's side of the second sample family; STRAYED is answered in Sample.cpp.
void RegisterStrayNatives(NativeTable& t) {
    t.add(0x00000000000000a6, "AT_HOME", "Ped", [](Call&) {});
}
