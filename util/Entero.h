#pragma once

// The whole numbers of the run: counters, steps and codes are 16-bit signed.

#include <cstdint>

namespace auguron {

using Entero = std::int16_t;

// Counting never leaves the 16-bit range: where the count would pass a limit it
// stays at that limit, so a key held down for hours cannot end the program.
constexpr void sumar(Entero& campo, int delta) {
    const int r = campo + delta;
    campo = static_cast<Entero>(r > INT16_MAX ? INT16_MAX : (r < INT16_MIN ? INT16_MIN : r));
}

} // namespace auguron
