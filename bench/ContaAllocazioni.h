#pragma once
// Counts the heap allocations of the whole benchmark program, so that a
// benchmark can report how many one development makes.

#include <cstdint>

namespace tlx::bench {

uint64_t AllocazioniFatte();

}  // namespace tlx::bench
