#pragma once

// The two detectors: which one-off question, or which frequent topic, a
// normalised and enciphered question is. Both read only their argument and
// the stored keywords (enciphered too, so the search needs no deciphering).

#include "util/Entero.h"

#include <string>

namespace auguron {

// 10001 to 10009 for a one-off question, or 0.
Entero fncDetectarPreguntaPuntual(const std::string& Pregunta);

// The sum of the first matching group of each keyword family, or 0.
Entero fncDetectarPreguntaFrecuente(const std::string& Pregunta);

// The normalised question keeps "¿" and "¡" glued to its first word, which
// would hide that word from a whole-word keyword: the detectors read them as
// blanks.
std::string fncPreguntaBuscable(std::string PreguntaGeneral);

// A one-off question first, then a frequent topic; 0 for none.
Entero fncClasificarPregunta(const std::string& PreguntaBuscable);

} // namespace auguron
