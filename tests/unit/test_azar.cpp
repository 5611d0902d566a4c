#include "state/EstadoSesion.h"
#include "util/Aleatorio.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace auguron {
namespace {

TEST(Azar, SiempreDentroDeUnoAIntervalo) {
    double reloj = 100.0;
    GeneradorReloj g([&] { return reloj += 0.001; });
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(g.fncNroAleatorio(1), 1);
        const int n = g.fncNroAleatorio(5);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 5);
        const int m = g.fncNroAleatorio(5000);
        ASSERT_GE(m, 1);
        ASSERT_LE(m, 5000);
    }
}

// Several draws fall within one tick of the clock (a soul label takes three):
// with the clock frozen they must still be uniform and independent.
TEST(Azar, RelojCongeladoSigueSiendoUniformeEIndependiente) {
    GeneradorReloj g([] { return 43210.5; });
    constexpr int kTiradas = 31000;
    std::array<int, 32> veces{};
    std::array<std::array<int, 4>, 4> pares{};
    int anterior = g.fncNroAleatorio(31);
    for (int i = 0; i < kTiradas; ++i) {
        const int n = g.fncNroAleatorio(31);
        ++veces[static_cast<std::size_t>(n)];
        ++pares[static_cast<std::size_t>((anterior - 1) % 4)][static_cast<std::size_t>((n - 1) % 4)];
        anterior = n;
    }
    // Chi-square with 30 degrees of freedom: 59.7 is the 0.1 % tail.
    double chi = 0;
    for (int v = 1; v <= 31; ++v) {
        const double esperado = kTiradas / 31.0;
        chi += std::pow(veces[static_cast<std::size_t>(v)] - esperado, 2) / esperado;
        EXPECT_GT(veces[static_cast<std::size_t>(v)], 0) << v;
    }
    EXPECT_LT(chi, 59.7);
    // Consecutive draws do not repeat or follow each other.
    int iguales = 0;
    for (int a = 0; a < 4; ++a) {
        iguales += pares[static_cast<std::size_t>(a)][static_cast<std::size_t>(a)];
    }
    EXPECT_NEAR(iguales / double(kTiradas), 0.25, 0.03);
}

TEST(Azar, DosGeneradoresConElMismoRelojNoCoinciden) {
    GeneradorReloj a([] { return 1.0; });
    GeneradorReloj b([] { return 1.0; });
    int iguales = 0;
    for (int i = 0; i < 200; ++i) {
        iguales += a.fncNroAleatorio(1000) == b.fncNroAleatorio(1000);
    }
    EXPECT_LT(iguales, 10);
}

TEST(Contadores, NoSalenDelRangoDeDieciseisBits) {
    Entero c = 32766;
    sumar(c, 1);
    sumar(c, 1);
    sumar(c, 1);
    EXPECT_EQ(c, 32767);
    sumar(c, -1);
    EXPECT_EQ(c, 32766);
    Entero d = -32767;
    sumar(d, -5);
    EXPECT_EQ(d, -32768);
}

} // namespace
} // namespace auguron
