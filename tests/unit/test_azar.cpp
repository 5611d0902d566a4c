// The draws: every value from 1 to the range, equally likely, even when several
// draws fall within one tick of the clock (a soul label takes three). Seeded,
// so the result is the same on every run.

#include "util/Aleatorio.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace auguron {
namespace {

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

} // namespace
} // namespace auguron
