#pragma once

// The topic codes that the replies handle by name. A frequent topic's code is
// the sum of the values of the keyword groups its question matched (a unit
// value, a hundreds value, a thousands value); the one-off questions have
// codes of their own from 10001. Every other code with replies is a plain
// row of the reply table.

#include "util/Entero.h"

namespace auguron::tema {

// One-off questions, tried before the frequent topics.
inline constexpr Entero Hora = 10001;            // what time it is
inline constexpr Entero Fecha = 10002;           // what day it is
inline constexpr Entero Espiritu = 10003;        // the spirit itself
inline constexpr Entero Hijos = 10004;           // having children
inline constexpr Entero EdadEspiritu = 10005;    // the spirit's age
inline constexpr Entero SentidoDeLaVida = 10006; // answered after a suspense
inline constexpr Entero Estadisticas = 10007;    // the statistics command
inline constexpr Entero Acertijo = 10008;        // riddles that hold their answer
inline constexpr Entero ElUsuario = 10009;       // the user about himself

// Frequent topics with replies of their own kind.
inline constexpr Entero Trabajo = 2003; // tires after three replies
inline constexpr Entero Boda = 305;     // the three marriage codes tire together
inline constexpr Entero BodaCasarse = 4005;
inline constexpr Entero BodaFecha = 4305;
inline constexpr Entero SuerteDelDia = 706;      // the digit of the day
inline constexpr Entero NumerosDeLaSemana = 712; // the lottery's numbers, once a run
inline constexpr Entero Futuro = 404;            // the offer dialogs
inline constexpr Entero FuturoProximo = 3304;
inline constexpr Entero Nota = 5016; // two-part replies: a mark and a remark
inline constexpr Entero CuantasNotas = 5616;
// Who: the 807 group. Its suspense ends through the last of its codes.
inline constexpr Entero Quien = 807;
inline constexpr Entero QuienConDinero = 1007;
inline constexpr Entero QuienEsConDinero = 1807;
inline constexpr Entero QuienDeLaFamilia = 6007;
inline constexpr Entero QuienEsDeLaFamilia = 6807;

} // namespace auguron::tema
