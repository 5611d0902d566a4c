// The session driver run on seeded random data inside the ordinary suite. A
// rule it finds broken gets its own test among the unit tests, written as keys.

#include "Sesion.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace auguron::fuzz {
namespace {

long entorno(const char* nombre, long porDefecto) {
    const char* v = std::getenv(nombre);
    return v != nullptr && *v != '\0' ? std::strtol(v, nullptr, 0) : porDefecto;
}

std::string hex(const std::vector<std::uint8_t>& d) {
    static constexpr char kDigitos[] = "0123456789abcdef";
    std::string r;
    for (const auto b : d) {
        r += kDigitos[b >> 4];
        r += kDigitos[b & 15];
    }
    return r;
}

// AUGURON_SEMILLA and AUGURON_SESIONES override the seed and the count.
TEST(Sesiones, DatosAlAzarNoRompenNingunaRegla) {
    const auto semilla = static_cast<std::uint64_t>(entorno("AUGURON_SEMILLA", 20261206));
    const long sesiones = entorno("AUGURON_SESIONES", 20000);
    std::mt19937_64 motor(semilla);
    Cifras total;
    const auto inicio = std::chrono::steady_clock::now();
    for (long n = 0; n < sesiones; ++n) {
        // Mostly short sessions, now and then a long one.
        const std::size_t largo = (n % 100 == 99) ? 512 + motor() % 1536 : 1 + motor() % 192;
        std::vector<std::uint8_t> datos(largo);
        for (auto& b : datos) {
            b = static_cast<std::uint8_t>(motor());
        }
        try {
            total += jugarSesion(datos);
        } catch (const Violacion& v) {
            FAIL() << "seed " << semilla << " (AUGURON_SEMILLA), session " << n << ", data " << hex(datos)
                   << "\n"
                   << v.what();
        }
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    std::printf(
        "seed %llu: %ld sessions, %ld events, %ld keys (%ld outside the code page), %ld questions "
        "(%ld hidden answers), %ld suspenses ended, %ld statistics windows, %ld ticks, %ld message boxes, "
        "%ld new questions, %ld closed, %.1f s\n",
        static_cast<unsigned long long>(semilla), total.sesiones, total.eventos, total.teclas,
        total.ignoradas, total.preguntas, total.ocultas, total.suspensos, total.estadisticas, total.ticks,
        total.cajas, total.reinicios, total.cierres, s);
    // The generator must reach the parts it is there to shake (a short run
    // asked for through the environment may not).
    EXPECT_EQ(total.sesiones, sesiones);
    if (sesiones >= 10000) {
        EXPECT_GT(total.preguntas, sesiones / 4);
        EXPECT_GT(total.ocultas, 0);
        EXPECT_GT(total.suspensos, 0);
        EXPECT_GT(total.estadisticas, 0);
        EXPECT_GT(total.ignoradas, 0);
        EXPECT_GT(total.cierres, 0);
    }
}

} // namespace
} // namespace auguron::fuzz
