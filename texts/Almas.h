#pragma once

// Labels of the souls who answer, and the spirit's yes/no dialog of the reset.

#include "texts/TextoCifrado.h"

#include <string_view>

namespace auguron::textos {

extern const std::string_view NombreAlmaPorDefecto; // 16 characters

// Family 1: start piece, then one of 14 middle pieces, then one of 5 end pieces.
extern const std::string_view AlmaInicio;
extern const Lista AlmaMedios;  // 14
extern const Lista AlmaFinales; // 5
// Family 2: one of 5 first pieces, then one of 5 end pieces.
extern const Lista Alma2Primeros; // 5
extern const Lista Alma2Finales;  // 5
// Family 3: one of 5 first pieces, then the fixed end piece.
extern const Lista Alma3Primeros; // 5
extern const std::string_view Alma3Final;
// Families 4 to 7: whole labels.
extern const Lista AlmasEnteras; // 4

// The spirit's question of the reset and its two replies.
extern const std::string_view PreguntaEspiritu; // 72
extern const std::string_view RespuestaAlSi;    // 49
extern const std::string_view RespuestaAlNo;    // 62

} // namespace auguron::textos
