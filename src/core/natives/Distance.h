#pragma once
// Distances in metres between entities and points (entities at their current position).
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

float Distance(const Vector3& a, const Vector3& b);
float Distance(Entity a, Entity b);
float Distance(Entity a, const Vector3& b);
float Distance(const Vector3& a, Entity b);

} // namespace corvale
