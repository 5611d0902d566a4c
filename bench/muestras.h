#pragma once

// The minimum, median and maximum of a set of samples, and the line that
// prints them beside the other side's.

#include "resumen.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace banco {

struct Tramos {
    double minimo = 0, mediana = 0, maximo = 0;
};

inline Tramos tramos(std::vector<double> v) {
    Tramos t;
    if (v.empty()) {
        return t;
    }
    std::sort(v.begin(), v.end());
    t.minimo = v.front();
    t.maximo = v.back();
    t.mediana = banco::mediana(v);
    return t;
}

// "median (min–max)" with `formato` for each figure.
inline std::string rango(const Tramos& t, const char* formato) {
    char a[32], b[32], c[32], r[112];
    std::snprintf(a, sizeof a, formato, t.mediana);
    std::snprintf(b, sizeof b, formato, t.minimo);
    std::snprintf(c, sizeof c, formato, t.maximo);
    std::snprintf(r, sizeof r, "%s (%s–%s)", a, b, c);
    return r;
}

} // namespace banco
