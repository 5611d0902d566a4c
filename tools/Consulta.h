#pragma once

// Whole sessions of the logic without a window, for the corpus test and the
// routing tool, so both see what the program would show: one run with a
// seeded random source on a fixed day and time, asking question after
// question behind the short correct petition, Enter on every message box.

#include "answer/Velmo.h"
#include "platform/guion/PlataformaGuion.h"
#include "util/Aleatorio.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace auguron {

// Types Windows-1252 `teclas` into a box the way the real box does: the
// handler sees each code first and may replace it.
void teclear(Velmo& velmo, PlataformaGuion& plataforma, Control caja, std::string_view teclas);

class Consulta {
public:
    struct Respuesta {
        Entero tema;        // what the detectors found (0 for none)
        std::string rotulo; // the answer label as shown, Windows-1252
    };

    Consulta(std::uint64_t semilla, std::chrono::sys_days dia, double segundosDelDia);

    // `pregunta` in Windows-1252, with or without its closing "?": it is typed
    // up to the first "?", which submits it, and a "?" is added when missing.
    Respuesta preguntar(std::string_view pregunta);

    const Velmo& velmo() const { return m_velmo; }

private:
    PlataformaGuion m_plataforma;
    GeneradorReloj m_azar;
    Velmo m_velmo;
    bool m_primera = true;
};

} // namespace auguron
