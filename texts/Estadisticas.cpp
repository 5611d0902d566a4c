#include "texts/Estadisticas.h"

namespace auguron::textos {

namespace {
constexpr auto tRotulos = tabla<20, 21, 25, 16, 19>( //
    u8"Preguntas con truco:",                        // lblTruco
    u8"Preguntas frecuentes:",                       // lblFrecuentes
    u8"Preguntas mal formuladas:",                   // lblMalFormuladas
    u8"Otras preguntas:",                            // lblOtras
    u8"Total de preguntas:");                        // lblTotal
} // namespace

constinit const std::string_view RotuloTruco = tRotulos[0];
constinit const std::string_view RotuloFrecuentes = tRotulos[1];
constinit const std::string_view RotuloMalFormuladas = tRotulos[2];
constinit const std::string_view RotuloOtras = tRotulos[3];
constinit const std::string_view RotuloTotal = tRotulos[4];

} // namespace auguron::textos
