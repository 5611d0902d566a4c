#pragma once

// Steady-clock nanoseconds: CLOCK_MONOTONIC on Linux, the same clock in every
// process, so a parent can subtract its readings from a child's.

#include <chrono>
#include <cstdint>

namespace banco {

inline std::int64_t ahoraNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace banco
