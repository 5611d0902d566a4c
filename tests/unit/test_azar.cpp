// The draws of the program: every value from 1 to the range, equally likely,
// even when several draws fall within one tick of the clock.

#include "util/Aleatorio.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace auguron {
namespace {

TEST(Azar, SiempreDentroDeUnoAIntervalo) {
    double reloj = 100.0;
    GeneradorReloj g([&] { return reloj += 0.001; }, 1);
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(g.fncNroAleatorio(1), 1);
        for (int rango : {5, 5000}) {
            const int n = g.fncNroAleatorio(rango);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, rango);
        }
    }
}

// A soul label takes three draws within one tick: with the clock frozen they
// must still be uniform and independent. Seeded, so the result is the same
// on every run.
TEST(Azar, RelojCongeladoSigueSiendoUniformeEIndependiente) {
    GeneradorReloj g([] { return 43210.5; }, 20261206);
    constexpr int kTiradas = 31000;
    std::array<int, 32> veces{};
    int iguales = 0; // consecutive draws in the same quarter
    int anterior = g.fncNroAleatorio(31);
    for (int i = 0; i < kTiradas; ++i) {
        const int n = g.fncNroAleatorio(31);
        ++veces[static_cast<std::size_t>(n)];
        iguales += (anterior - 1) % 4 == (n - 1) % 4;
        anterior = n;
    }
    double chi = 0; // 30 degrees of freedom: 59.7 is the 0.1 % tail
    for (int v = 1; v <= 31; ++v) {
        const double esperado = kTiradas / 31.0;
        chi += std::pow(veces[static_cast<std::size_t>(v)] - esperado, 2) / esperado;
    }
    EXPECT_LT(chi, 59.7);
    EXPECT_NEAR(iguales / double(kTiradas), 0.25, 0.03);
}

TEST(Azar, OtraSemillaOtrasTiradas) {
    GeneradorReloj a([] { return 1.0; }, 1);
    GeneradorReloj b([] { return 1.0; }, 2);
    int iguales = 0;
    for (int i = 0; i < 200; ++i) {
        iguales += a.fncNroAleatorio(1000) == b.fncNroAleatorio(1000);
    }
    EXPECT_LT(iguales, 10);
}

} // namespace
} // namespace auguron
