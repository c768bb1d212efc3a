#pragma once

namespace quelta {

// Gives the heap's free pages back to the system. The allocator keeps what a burst of work
// (a refresh's parsing, a window's layout) freed, which a program idle all day never reuses.
void releaseFreedMemory();

} // namespace quelta
