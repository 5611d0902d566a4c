#include "util/Aleatorio.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace auguron {

namespace {
// SplitMix64 finaliser: spreads every bit of the time over the whole word.
std::uint64_t mezclar(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
} // namespace

GeneradorReloj::GeneradorReloj(std::function<double()> segundosDelDia)
    : GeneradorReloj(std::move(segundosDelDia), std::random_device{}()) {}

GeneradorReloj::GeneradorReloj(std::function<double()> segundosDelDia, std::uint64_t semilla)
    : m_reloj(std::move(segundosDelDia))
    , m_motor(mezclar(semilla)) {}

Entero GeneradorReloj::fncNroAleatorio(int Intervalo) {
    if (Intervalo < 1) {
        return 1;
    }
    // The time's bits as they are (std::bit_cast is missing from some standard
    // libraries this builds with).
    const double segundos = m_reloj();
    std::uint64_t tiempo = 0;
    static_assert(sizeof tiempo == sizeof segundos);
    std::memcpy(&tiempo, &segundos, sizeof tiempo);
    m_motor.seed(m_motor() ^ mezclar(tiempo));
    const double r = std::generate_canonical<double, std::numeric_limits<double>::digits>(m_motor);
    const auto n = static_cast<int>(r * Intervalo) + 1;
    return static_cast<Entero>(std::min(n, Intervalo));
}

} // namespace auguron
