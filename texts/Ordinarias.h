#pragma once

// Fallback replies and the keywords that mark a real question.

#include "texts/TextoCifrado.h"

namespace auguron::textos {

extern const Lista RespuestasOrdinarias;    // 45; replies 26 and 32 have 60 characters
extern const Lista RespuestasPeticionMala;  // 8
extern const Lista RespuestasPreguntaMala;  // 11
extern const Lista RespuestasPetYPregMalas; // 13
extern const Lista PalabrasDePregunta;      // 9, normalised form

} // namespace auguron::textos
