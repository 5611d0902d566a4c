// The session player on seeded random bytes, inside the ordinary suite; the
// long run is tools/fuzz.sh.

#include "Sesion.h"

#include "util/Aleatorio.h"

#include <gtest/gtest.h>

#include <vector>

namespace auguron::fuzz {
namespace {

TEST(Sesiones, BytesAlAzarNoRompenNingunaRegla) {
    constexpr std::uint64_t kSemilla = 20261206;
    GeneradorReloj g([] { return 0.0; }, kSemilla);
    Cifras c;
    for (int n = 0; n < 3000; ++n) {
        std::vector<std::uint8_t> datos(
            static_cast<std::size_t>(g.fncNroAleatorio(n % 50 == 0 ? 2000 : 200)));
        for (auto& b : datos) {
            b = static_cast<std::uint8_t>(g.fncNroAleatorio(256) - 1);
        }
        try {
            c = jugarSesion(datos, c);
        } catch (const std::exception& e) {
            FAIL() << "seed " << kSemilla << ", session " << n << ": " << e.what();
        }
    }
    // The bytes must reach what they are there to shake.
    EXPECT_GT(c.preguntas, 1000);
    EXPECT_GT(c.ocultas, 100);
    EXPECT_GT(c.suspensos, 10);
    EXPECT_GT(c.estadisticas, 10);
    EXPECT_GT(c.cierres, 10);
}

} // namespace
} // namespace auguron::fuzz
