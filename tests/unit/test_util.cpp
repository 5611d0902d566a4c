// The cipher of the stored texts, the Windows-1252 code page, the draws and the counts.

#include "Apoyo.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>

namespace auguron {
namespace {

using prueba::w;

std::string todosLosCodigos() {
    std::string todos(256, '\0');
    std::iota(todos.begin(), todos.end(), '\0');
    return todos;
}

TEST(Cifrado, CadaCodigoSubeCincuentaYOchoYVuelve) {
    const std::string todos = todosLosCodigos();
    const std::string cifrado = fncCodificar(todos);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(cifrado.at(static_cast<std::size_t>(c))), (c + 58) % 256);
    }
    EXPECT_EQ(fncDecodificar(cifrado), todos);
}

// Capitals of the code page's own letters; signs without case stay. Every code
// survives a trip through UTF-8; what the page cannot hold is dropped.
TEST(Ansi, MayusculasYUnicode) {
    const std::string minus = w("abzáéíóúñüçàšœžÿ÷×ß¿µ");
    const std::string mayus = w("ABZÁÉÍÓÚÑÜÇÀŠŒŽŸ÷×ß¿µ");
    for (std::size_t i = 0; i < minus.size(); ++i) {
        EXPECT_EQ(ansi::mayuscula(static_cast<unsigned char>(minus[i])), static_cast<unsigned char>(mayus[i]))
            << i;
        EXPECT_EQ(ansi::minuscula(static_cast<unsigned char>(mayus[i])), static_cast<unsigned char>(minus[i]))
            << i;
    }
    for (char32_t u : {0x1F600u, 0x4E2Du, 0x0080u}) {
        EXPECT_EQ(ansi::deUnicode(u), -1) << static_cast<unsigned>(u);
    }
    EXPECT_EQ(ansi::deUtf8(ansi::aUtf8(todosLosCodigos())), todosLosCodigos());
    EXPECT_EQ(ansi::deUtf8("\xC2\xBFS\xC3\xAD? \xF0\x9F\x98\x80\xE4\xB8\xAD\xFF\xC3"), w("¿Sí? "));
}

// Every value from 1 to the range, equally likely, even when several draws
// fall within one tick of the clock (a soul label takes three). Seeded, so
// the result is the same on every run.
TEST(Azar, RelojCongeladoUniformeEIndependiente) {
    GeneradorReloj g([] { return 43210.5; }, 20261206);
    constexpr int kTiradas = 31000;
    std::array<int, 32> veces{};
    int iguales = 0; // consecutive draws in the same quarter
    EXPECT_EQ(g.fncNroAleatorio(1), 1);
    int anterior = g.fncNroAleatorio(31);
    for (int i = 0; i < kTiradas; ++i) {
        const int n = g.fncNroAleatorio(31);
        ASSERT_TRUE(n >= 1 && n <= 31) << n;
        ++veces[static_cast<std::size_t>(n)];
        iguales += (anterior - 1) % 4 == (n - 1) % 4;
        anterior = n;
    }
    double chi = 0; // 30 degrees of freedom: 59.7 is the 0.1 % tail
    for (int v = 1; v <= 31; ++v) {
        chi += std::pow(veces[static_cast<std::size_t>(v)] - kTiradas / 31.0, 2) / (kTiradas / 31.0);
    }
    EXPECT_LT(chi, 59.7);
    EXPECT_NEAR(iguales / double(kTiradas), 0.25, 0.03);
}

// Known answers, worked out apart from this code: SplitMix64 of the seed starts
// a 64-bit Mersenne Twister; each draw, a draw of 1 too, reseeds it with its
// next output XOR SplitMix64 of the clock's bits, then scales its following
// output to the range.
TEST(Azar, RespuestasConocidas) {
    struct Fila {
        std::uint64_t semilla;
        double segundos;
        std::array<int, 4> tiradas; // of 30000, 1, 30000 and 30000
    };
    for (const Fila& f :
         {Fila{1, 43200.0, {24122, 1, 806, 2043}}, Fila{20261206, 0.0, {9291, 1, 29248, 11788}},
          Fila{UINT64_MAX, 86399.999, {27181, 1, 844, 29220}}}) {
        GeneradorReloj g([&f] { return f.segundos; }, f.semilla);
        std::array<int, 4> r{};
        for (int& t : r) {
            t = g.fncNroAleatorio(&t == &r[1] ? 1 : 30000);
        }
        EXPECT_EQ(r, f.tiradas) << f.semilla;
    }
}

// A count as the statistics window shows it.
TEST(Cuentas, UnBlancoOElMenosDelante) {
    for (const auto& [n, texto] : {std::pair{0, " 0"}, {12, " 12"}, {-7, "-7"}, {98304, " 98304"}}) {
        EXPECT_EQ(formatearCuenta(n), texto);
    }
}

} // namespace
} // namespace auguron
