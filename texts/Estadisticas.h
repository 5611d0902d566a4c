#pragma once

// Captions of the five row labels of the statistics window, enciphered. Each
// fits its label at 8.25 points (161 pixels, the total row 145).

#include "texts/TextoCifrado.h"

#include <string_view>

namespace auguron::textos {

extern const std::string_view RotuloTruco;         // lblTruco, 20
extern const std::string_view RotuloFrecuentes;    // lblFrecuentes, 21
extern const std::string_view RotuloMalFormuladas; // lblMalFormuladas, 25
extern const std::string_view RotuloOtras;         // lblOtras, 16
extern const std::string_view RotuloTotal;         // lblTotal, 19

} // namespace auguron::textos
