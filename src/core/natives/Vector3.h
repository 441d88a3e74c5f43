#pragma once
// The game's vector layout: three 8-byte slots, each with a float in its low 4 bytes.

namespace corvale {

struct Vector3 {
    alignas(8) float x = 0.0f;
    alignas(8) float y = 0.0f;
    alignas(8) float z = 0.0f;

    Vector3() = default;
    Vector3(float vx, float vy, float vz) : x(vx), y(vy), z(vz) {}
};

static_assert(sizeof(Vector3) == 24, "Vector3 must match the game's three-slot layout");

} // namespace corvale
