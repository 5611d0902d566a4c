#pragma once

// Keywords of the two detectors, in the normalised form that fncGeneralizar
// produces (lower case, qu for k, no acute accents), stored enciphered. A blank
// at either end asks for a whole word.

#include "texts/TextoCifrado.h"

#include <array>

namespace auguron::textos {

// Specific questions: keywords and excluding keywords of each code.
extern const Lista Claves10001, Excluye10001; // 2 + 2
extern const Lista Claves10002, Excluye10002; // 2 + 2
extern const Lista Claves10003, Excluye10003; // 6 + 3
extern const Lista Claves10004;               // 1
extern const Lista Claves10005;               // 1
extern const Lista Claves10006, Excluye10006; // 1 + 1
extern const Lista Claves10007;               // 1
extern const Lista Claves10008, Excluye10008; // 3 + 1
extern const Lista Claves10009;               // 5

// Frequent topics: the groups of each family, in the order they are tried.
extern const std::array<Lista, 16> GruposUnidades;
extern const std::array<Lista, 8> GruposCentenas;
extern const std::array<Lista, 6> GruposMillares;

} // namespace auguron::textos
