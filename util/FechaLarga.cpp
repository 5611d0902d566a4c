#include "util/FechaLarga.h"

#include <array>
#include <string_view>

namespace auguron {

namespace {
// Windows-1252: \xE1 is "á", \xE9 is "é".
constexpr std::array<std::string_view, 7> kDias = {"domingo",
                                                   "lunes",
                                                   "martes",
                                                   "mi\xE9rcoles",
                                                   "jueves",
                                                   "viernes",
                                                   "s\xE1"
                                                   "bado"};
constexpr std::array<std::string_view, 12> kMeses = {"enero",      "febrero", "marzo",     "abril",
                                                     "mayo",       "junio",   "julio",     "agosto",
                                                     "septiembre", "octubre", "noviembre", "diciembre"};
} // namespace

std::string fechaLargaEnCastellano(std::chrono::sys_days dia) {
    const std::chrono::year_month_day f{dia};
    const std::chrono::weekday semana{dia};
    std::string r(kDias[semana.c_encoding()]);
    r += ", " + std::to_string(static_cast<unsigned>(f.day())) + " de ";
    r += kMeses[static_cast<unsigned>(f.month()) - 1];
    r += " de " + std::to_string(static_cast<int>(f.year()));
    return r;
}

} // namespace auguron
