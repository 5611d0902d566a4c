#pragma once

// Captions of the five row labels of the statistics window, enciphered. Each
// fits its label at 8.25 points (161 pixels, the total row 145).

#include "texts/TextoCifrado.h"

namespace auguron::textos {

inline constexpr auto RotuloTruco = tabla<20>(u8"Preguntas con truco:");
inline constexpr auto RotuloFrecuentes = tabla<21>(u8"Preguntas frecuentes:");
inline constexpr auto RotuloMalFormuladas = tabla<25>(u8"Preguntas mal formuladas:");
inline constexpr auto RotuloOtras = tabla<16>(u8"Otras preguntas:");
inline constexpr auto RotuloTotal = tabla<19>(u8"Total de preguntas:");

} // namespace auguron::textos
