#pragma once

// One line of the summary that bench/correr.sh collects from every benchmark:
// the figure, its reference, the ratio, the target and whether it is met.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace banco {

inline double mediana(std::vector<double> v) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline void resumen(const std::string& medida, const std::string& valor, const std::string& referencia,
                    const std::string& cociente, const std::string& objetivo, const std::string& cumple) {
    std::printf("RESUMEN|%s|%s|%s|%s|%s|%s\n", medida.c_str(), valor.c_str(), referencia.c_str(),
                cociente.c_str(), objetivo.c_str(), cumple.c_str());
    std::fflush(stdout);
}

// A ratio against its reference; `tope` is the largest ratio allowed (0: no target).
inline void resumen(const std::string& medida, const std::string& valor, const std::string& referencia,
                    double cociente, double tope) {
    char c[32];
    std::snprintf(c, sizeof c, "%.2f", cociente);
    char t[32] = "-";
    if (tope > 0) {
        std::snprintf(t, sizeof t, "≤ %.2f", tope);
    }
    resumen(medida, valor, referencia, c, t, tope <= 0 ? "-" : (cociente <= tope ? "sí" : "NO"));
}

inline std::string ms(double ns) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f ms", ns / 1e6);
    return b;
}

} // namespace banco
