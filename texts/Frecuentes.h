#pragma once

// Replies of the frequent topics and of the specific questions. Comments give
// each text's length in characters; the draw value k picks text k unless said.

#include "texts/TextoCifrado.h"

#include <string_view>

namespace auguron::textos {

// Plain replies, one list per code (or group of codes).
extern const Lista Tema101;            // 66, 68, 54, 97
extern const Lista Tema1202;           // 95, 42, 38
extern const Lista Tema1002;           // 49, 50, 20
extern const std::string_view Tema104; // 8
extern const Lista Tema7;              // 56, 58, 92, 50, 72, 54   (7, 307, 607)
extern const Lista Tema6608;           // 60, 41, 72, 60, 40; texts 1 and 4 are ordinary replies 32 and 26
extern const std::string_view Tema509; // 47 (draw 3; 1 and 2 call fncResponderObviedad)
extern const Lista Tema110;            // 68, 73, 78
extern const Lista Tema711;            // 57, 21
extern const Lista Tema413;            // 152, 123   (413, 4413)
extern const Lista Tema14;             // 168, 103   (14, 314)
extern const Lista Tema15;             // 69, 56     (15, 315)
extern const Lista Tema1300;           // 75, 28, 47
extern const Lista Tema5300;           // 18, 57
extern const Lista Tema5500;           // 30, 50, 50, 12, 22
extern const Lista Tema10003;          // 40, 29, 26, 51 (5 and 6 call fncResponderObviedad)
extern const Lista Tema10004;          // 17, 24, 34
extern const Lista Tema10005;          // 73, 128, 66
extern const Lista Tema10008;          // 30, 21 (3 to 5 call fncResponderObviedad)
extern const Lista Tema10009;          // 74, 33 (3 to 5 call fncResponderObviedad)

// Two-part replies of 5016 and 5616: a base, then an ending.
extern const Lista Tema5016Bases;   // 21, 21, 22, 31
extern const Lista Tema5016Finales; // 28, 11, 41, 70

// Counted topics: three replies, then the repeated-topic reply.
extern const Lista Tema2003; // 83, 59, 30
extern const Lista Tema305;  // 60, 34, 40  (305, 4005, 4305)

// Alternative labels.
extern const std::string_view EtiquetaA; // 15
extern const std::string_view EtiquetaB; // 21
extern const std::string_view EtiquetaC; // 41
extern const std::string_view EtiquetaD; // 42

// 706, the digit of the day: first piece, " K", last piece. Row 1 goes with
// label A (draw 1), row 2 with label B (draws 2 and 3), rows 3 and 4 with the
// default label (draws 4 and 5).
extern const Lista Tema706Primeros; // 24, 3, 21, 15
extern const Lista Tema706Ultimos;  // 32, 18, 39, 31

// 712, the numbers of the week: a reply followed by " K", then three times
// the separator and " K".
extern const Lista Tema712;                     // 42, 36, 64 (the third with label A)
extern const std::string_view Tema712Separador; // 3
extern const Lista Tema712YaDados;              // 52, 36, 40 (draw 4 calls fncResponderTemaRepetido)

// 10001, the time: lead-in followed by the time "9:05", or a whole reply.
extern const std::string_view Tema10001Entrada; // 52
extern const Lista Tema10001;                   // 25, 36, 125 (draws 3, 4, 5)

// 10002, the staged reply with the date.
extern const std::string_view Tema10002Etapa0;       // 232
extern const std::string_view Tema10002AntesFecha;   // 75
extern const std::string_view Tema10002DespuesFecha; // 40
extern const std::string_view Tema10002Etapa1;       // 103, with label C
extern const Lista Tema10002Etapa2;                  // 41, 45, 117 (the third with label D)

// Companions.
extern const Lista Obviedades;     // 68, 68, 72, 38, 32, 41, 56, 31
extern const Lista TemasRepetidos; // 41, 38, 54, 28, 32, 17

// 404 and 3304, the offer dialogs.
extern const Lista Tema404Primera;         // 139, 84, 129, 129
extern const Lista Tema404NoQuiere;        // 30, 56
extern const Lista Tema404NoVende;         // 65, 81, 30, 75 (draws 1-2, 3, 4, 5)
extern const std::string_view Tema404Reza; // 162
extern const Lista Tema404NoReza;          // 83, 76, 69 (draws 1-2, 3, 4)

// The code-807 group.
extern const Lista Tema807Simples;              // 23, 27, 45, 61
extern const Lista Tema807Aperturas;            // 19, 18 (draws 3 and 4 of the first piece)
extern const Lista Tema807Medios;               // 23, 24
extern const Lista Tema807Cierres;              // 11, 10, 11, 8
extern const Lista Tema807Breves;               // 20, 21, 15, 16, 14
extern const Lista Tema807PiezasA;              // 21, 26, 29
extern const Lista Tema807PiezasB;              // 57, 56, 54
extern const Lista Tema807PiezasC;              // 55, 57, 53
extern const std::string_view Tema807Separador; // 1
extern const std::string_view Tema807Cola;      // 30 copies of one character
extern const Lista Tema807Estados;              // 23, 24, 24 (status line)
extern const Lista Tema807Finales;              // 20, 21, 21

// 10006, the suspense answer; 10007, the statistics command.
extern const Lista Tema10006Primeras;    // 24, 9, 10
extern const Lista Tema10006Finales;     // 34, 43 (draws 1, 2-3)
extern const std::string_view Tema10007; // 77

} // namespace auguron::textos
