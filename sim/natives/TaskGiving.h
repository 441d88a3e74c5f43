#pragma once
// Handing a task to the ped in a call's first argument, or recording it into the open
// sequence when that ped is 0.
#include "NativeTable.h"

namespace sim {

// Ped 0 with a sequence open: a step of it. A ped that does not exist: a protocol fault.
// A dead ped: ignored and traced. Otherwise the ped's direct task, replacing what it did.
void GiveTask(Call& c, const TaskStep& step);

} // namespace sim
