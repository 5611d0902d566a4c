#pragma once

// A question brought into the one form the keywords are written in: lower
// case, "qu" for "k", no acute accents, one blank added at each end. On the
// way it is measured for the coherence check.

#include "util/Entero.h"

#include <string>
#include <string_view>

namespace auguron {

struct PreguntaNormalizada {
    std::string texto;      // plain, with its two blanks
    Entero palabras = 1;    // 1 + the blanks of the question, each counted
    Entero consonantes = 0; // the longest run of consonants (y and w count)
};

PreguntaNormalizada normalizar(std::string_view pregunta);

} // namespace auguron
