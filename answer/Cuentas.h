#pragma once

// How the statistics window writes a count.

#include <string>

namespace auguron {

// The decimal digits behind one space, or behind a minus sign instead when the
// count is negative; no grouping: 0 -> " 0", 12 -> " 12", -3 -> "-3".
std::string formatearCuenta(int cuenta);

} // namespace auguron
