// A plug-in that breaks the rules: it exports a symbol of its own and leaves one unresolved
// that neither the host nor the C/C++ runtime provides. The symbol check must reject it.
extern "C" int CorvaleStrayExternal();

extern "C" __attribute__((visibility("default"))) void CorvalePluginAttach(void*) {}
extern "C" __attribute__((visibility("default"))) void CorvalePluginDetach(void*) {}
extern "C" __attribute__((visibility("default"))) int CorvaleStrayExport() {
    return CorvaleStrayExternal();
}
