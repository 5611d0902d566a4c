#pragma once

// The one source of every random choice. fncNroAleatorio(Intervalo) gives a
// whole number from 1 to Intervalo, every value equally likely.

#include "util/Entero.h"

#include <cstdint>
#include <functional>
#include <random>

namespace auguron {

class FuenteAleatoria {
public:
    virtual ~FuenteAleatoria() = default;
    virtual Entero fncNroAleatorio(int Intervalo) = 0;
};

// Draws reseeded from the time of day on every call. The time is mixed into the
// generator's state instead of replacing it: several draws made within one tick
// of the clock (a soul label takes three) are still independent.
class GeneradorReloj final : public FuenteAleatoria {
public:
    // Without a seed the generator starts from the system's entropy; a seed
    // makes every run with the same clock readings give the same draws.
    explicit GeneradorReloj(std::function<double()> segundosDelDia);
    GeneradorReloj(std::function<double()> segundosDelDia, std::uint64_t semilla);
    Entero fncNroAleatorio(int Intervalo) override;

private:
    std::function<double()> m_reloj;
    std::mt19937_64 m_motor;
};

} // namespace auguron
