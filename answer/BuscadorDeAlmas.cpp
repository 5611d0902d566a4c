#include "answer/BuscadorDeAlmas.h"

#include "answer/Reparto.h"

#include "texts/TextosAlmas.h"
#include "texts/TextosPlanos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace auguron {

using namespace textos;

namespace {
constexpr auto kOracionMenu = plano(u8"Tomarse de manos y repetir al unísono:\r"
                                    u8"Laudate omnes gentes laudate, Magnificat en secula\r"
                                    u8"Et anima mea laudate, Magnificat en secula");

// The found soul's message comes up to 3.8 s after the reset, the prayer's
// up to 3 s after it; the next steps keep up to 5 s between them.
constexpr int kPeriodoMensajesMs = 5000;
constexpr int kPeriodoAlmaMs = 3800;
constexpr int kPeriodoOracionMs = 3000;

// A found soul's label: three families assembled from pieces, then the four
// whole labels, rarest last.
constexpr Reparto<3 + AlmasEnteras.size()> kFamilias{15, 5, 3, 3, 2, 2, 1};

// The longer the prayer stayed open, the more of the four values of its draw
// start the messages: from 10 s one, from 14 s two, from 21 s three.
struct Umbral {
    long segundos;
    int valores;
};
constexpr std::array<Umbral, 3> kUmbrales{{{21, 3}, {14, 2}, {10, 1}}};
constexpr int kValoresOracion = 4;
} // namespace

void BuscadorDeAlmas::fncSeleccionarAlma() {
    if (azar(8) != 1) {
        m_estado.NombreAlma = NombreAlmaPorDefecto;
        return;
    }
    const int familia = kFamilias.entrada(azar(kFamilias.tamano()));
    if (familia == 1) {
        const int medio = azar(AlmaMedios.size());
        const int final = azar(AlmaFinales.size());
        m_estado.NombreAlma =
            std::string(AlmaInicio) + std::string(AlmaMedios[medio]) + std::string(AlmaFinales[final]);
    } else if (familia == 2) {
        const int primero = azar(Alma2Primeros.size());
        const int final = azar(Alma2Finales.size());
        m_estado.NombreAlma = std::string(Alma2Primeros[primero]) + std::string(Alma2Finales[final]);
    } else if (familia == 3) {
        m_estado.NombreAlma =
            std::string(Alma3Primeros[azar(Alma3Primeros.size())]) + std::string(Alma3Final);
    } else {
        m_estado.NombreAlma = AlmasEnteras[familia - 3];
    }
    if (azar(3) == 1) {
        // The status line then goes straight to its second message.
        m_plataforma.temporizador(Temporizador::tmrMensaje, azar(kPeriodoAlmaMs));
        m_estado.PasoMensaje = 1;
    }
}

void BuscadorDeAlmas::tmrMensaje_Timer() {
    sumar(m_estado.PasoMensaje, 1);
    if (m_estado.PasoMensaje == 1) {
        m_plataforma.temporizador(Temporizador::tmrMensaje, azar(kPeriodoMensajesMs));
    }
    switch (m_estado.PasoMensaje) {
    case 1:
        m_plataforma.fijarTexto(Control::lblInfo, kBuscandoVagulantes);
        break;
    case 2:
        m_plataforma.fijarTexto(Control::lblInfo, kConectandoVagulantes);
        break;
    case 3:
        m_plataforma.fijarTexto(Control::lblInfo, "");
        m_plataforma.temporizador(Temporizador::tmrMensaje, 0);
        break;
    default:
        break;
    }
}

void BuscadorDeAlmas::mnuLeerOracion_Click() {
    // The clock is read in whole seconds, so the time open can differ by one
    // from the time the box really stayed open; across midnight it is negative.
    const auto antes = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    if (m_plataforma.mensaje(kOracionMenu, kTituloOracion, Botones::AceptarCancelar) != Boton::Aceptar) {
        return;
    }
    const auto despues = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    const long abierta = despues - antes;
    const auto umbral = std::find_if(kUmbrales.begin(), kUmbrales.end(),
                                     [abierta](const Umbral& u) { return abierta >= u.segundos; });
    if (umbral != kUmbrales.end() && azar(kValoresOracion) <= umbral->valores) {
        m_plataforma.temporizador(Temporizador::tmrMensaje, azar(kPeriodoOracionMs));
        m_estado.PasoMensaje = 0;
    }
}

} // namespace auguron
