#pragma once
// The simulator's natives: one handler per hash, each declared with the parameter types of
// the game's native list, so every call's argument count and slot types can be checked.
#include "SlotCheck.h"
#include "World.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace sim {

class Simulator;

// The pushed argument slots of one call, read the way the game reads them.
struct NativeArgs {
    const uint64_t* slots = nullptr;
    size_t count = 0;

    uint64_t raw(size_t n) const { return n < count ? slots[n] : 0; }
    int32_t i(size_t n) const { return static_cast<int32_t>(static_cast<uint32_t>(raw(n))); }
    uint32_t u(size_t n) const { return static_cast<uint32_t>(raw(n)); }
    bool b(size_t n) const { return u(n) != 0; }
    float f(size_t n) const {
        const uint32_t bits = u(n);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    const char* s(size_t n) const { return reinterpret_cast<const char*>(raw(n)); }
    template <class T> T* p(size_t n) const { return reinterpret_cast<T*>(raw(n)); }
    Vec3 vec(size_t n) const { return Vec3{f(n), f(n + 1), f(n + 2)}; }
};

// The result storage the host hands back (a Vector3 takes three slots).
struct NativeResult {
    uint64_t slot[4] = {0, 0, 0, 0};

    void setInt(int32_t v) { slot[0] = static_cast<uint32_t>(v); }
    void setU32(uint32_t v) { slot[0] = v; }
    void setBool(bool v) { slot[0] = v ? 1 : 0; }
    void setFloat(float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        slot[0] = bits;
    }
    void setU64(uint64_t v) { slot[0] = v; }
    void setPtr(const void* p) { slot[0] = reinterpret_cast<uintptr_t>(p); }
    void setVector(const Vec3& v) {
        for (int k = 0; k < 3; ++k) {
            const float c = k == 0 ? v.x : k == 1 ? v.y : v.z;
            uint32_t bits;
            std::memcpy(&bits, &c, sizeof bits);
            slot[k] = bits;
        }
    }
};

// One call of a native as its handler sees it: the simulator, its world, the pushed
// arguments and the result to fill. The argument readers are the call's own.
struct Call {
    Simulator& sim;
    World& w;
    const NativeArgs& a;
    NativeResult& r;
    const char* name = ""; // the native's name, for faults and the timeline

    // The entity an argument names, or nullptr; a missing one (0 included) is traced.
    Entity* entity(size_t n) const;
    // The ped an argument names; a missing one is a protocol fault (the game would crash).
    Entity* ped(size_t n) const;
    void fault(const std::string& what) const;
    void trace(const std::string& what) const;

    uint64_t raw(size_t n) const { return a.raw(n); }
    int32_t i(size_t n) const { return a.i(n); }
    uint32_t u(size_t n) const { return a.u(n); }
    bool b(size_t n) const { return a.b(n); }
    float f(size_t n) const { return a.f(n); }
    const char* s(size_t n) const { return a.s(n); }
    template <class T> T* p(size_t n) const { return a.p<T>(n); }
    Vec3 vec(size_t n) const { return a.vec(n); }
};

// A native's handler. It takes the call whole, `[](Call& c)`, or, as tests that check their
// own arguments write it, `[](Simulator&, const NativeArgs&, NativeResult&)`; either way it
// can be called both ways, so a test can wrap the handler it replaces.
class NativeHandler {
  public:
    NativeHandler() = default;
    NativeHandler(std::nullptr_t) {}
    template <class F>
    requires std::is_invocable_v<F&, Call&> NativeHandler(F f) : fn_(std::move(f)) {}
    template <class F>
    requires(!std::is_invocable_v<F&, Call&> &&
             std::is_invocable_v<F&, Simulator&, const NativeArgs&, NativeResult&>)
        NativeHandler(F f)
        : fn_([f = std::move(f)](Call& c) mutable { f(c.sim, c.a, c.r); }) {}

    void operator()(Call& c) const { fn_(c); }
    void operator()(Simulator& sim, const NativeArgs& a, NativeResult& r) const;
    explicit operator bool() const { return static_cast<bool>(fn_); }

  private:
    std::function<void(Call&)> fn_;
};

struct NativeSpec {
    uint64_t hash = 0;
    std::string name;
    std::string types;                  // parameter types as in the game's native list
    size_t argc = 0;                    // fixed parameters
    bool variadic = false;              // more slots may follow the fixed ones
    std::vector<SlotKind> slots;        // how each fixed parameter is read
    std::vector<std::string> slotTypes; // and its type as the list names it
    NativeHandler handler;
};

class NativeTable {
  public:
    // Declares a native with its parameter types, e.g. "Entity,BOOL,BOOL" or "int,...".
    void add(uint64_t hash, const char* name, const char* types, NativeHandler handler);
    // Replaces the handler of a declared native (tests checking their own arguments).
    void override(uint64_t hash, NativeHandler handler);
    const NativeSpec* find(uint64_t hash) const;
    const std::unordered_map<uint64_t, NativeSpec>& all() const { return specs_; }

  private:
    std::unordered_map<uint64_t, NativeSpec> specs_;
};

// Every family of handlers; each lives in sim/natives/<Family>.cpp.
void RegisterAllNatives(NativeTable& table);

} // namespace sim
