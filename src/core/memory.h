#pragma once

#include <QtGlobal>

namespace core {

// About how many more bytes the program can allocate before an allocation fails: the least of
// the memory the system has available, the room left under the process's address-space and
// data-size limits, and the room left under its control group's memory limit. Where the
// system tells none of these, a very large number.
qint64 allocatableBytes();

} // namespace core
