#include "answer/Velmo.h"
#include "texts/Almas.h"
#include "texts/Dialogos.h"
#include "util/Cifrado.h"

#include <cmath>

namespace auguron {

namespace {
using textos::kTituloOracion;
using textos::plano;

constexpr auto kOracionInicio = plano(u8"Tómense de manos y repitan al unísono esto:\r"
                                      u8"Laudate omnes gentes laudate, Magnificat en secula\r"
                                      u8"Et anima mea laudate, Magnificat en secula");
constexpr auto kOracionMenu = plano(u8"Tomarse de manos y repetir al unísono:\r"
                                    u8"Laudate omnes gentes laudate, Magnificat en secula\r"
                                    u8"Et anima mea laudate, Magnificat en secula");
constexpr auto kBienvenida = plano(u8"Bienvenido al Sistema Interactivo de Vagulantes.\r"
                                   u8"- A propósito, mi nombre es Velmo...");
constexpr auto kTituloBienvenida = plano(u8"Buscando vagulantes...");
constexpr std::string_view kConectando = "Conectando Vagulantes...";

// Status messages: the first comes up to 5 s after start-up and the steps keep
// that period; a found soul's message up to 3.8 s after the reset, the
// prayer's up to 3 s after it.
constexpr int kPeriodoMensajesMs = 5000;
constexpr int kPeriodoAlmaMs = 3800;
constexpr int kPeriodoOracionMs = 3000;
} // namespace

Velmo::Velmo(Plataforma& plataforma, FuenteAleatoria& azar)
    : m_plataforma(plataforma)
    , m_azar(azar) {}

bool Velmo::Form_Load() {
    if (m_plataforma.mensaje(kOracionInicio, kTituloOracion, Botones::AceptarCancelar) != Boton::Aceptar) {
        return false;
    }
    m_plataforma.mensaje(kBienvenida, kTituloBienvenida, Botones::Aceptar);

    m_estado = EstadoSesion{};
    m_estado.FrasePeticion = kFrasePeticion;
    m_estado.NombreAlma = textos::NombreAlmaPorDefecto;
    m_estado.PosPeticion = 1;

    m_plataforma.fijarIntervalo(Temporizador::tmrMensaje, azar(kPeriodoMensajesMs));
    m_estado.PasoMensaje = 0;
    return true;
}

void Velmo::fncInicializar() {
    // A focus move still pending from the last answer would take the focus
    // from the new petition and let the next Space press "Nueva Pregunta".
    detenerFoco();
    m_estado.Respuesta.clear();
    m_estado.PosPeticion = 1;
    m_estado.LargoPregunta = 0;
    m_estado.EstadoTruco = 0;
    m_estado.EnRetroceso = false;
    m_estado.MaxConsonantes = 0;
    m_plataforma.fijarIntervalo(Temporizador::tmrSuspenso, 0);
    m_plataforma.fijarTexto(Control::lblInfo, "");
    m_plataforma.fijarTexto(Control::txtPeticion, "");
    m_plataforma.habilitar(Control::txtPeticion, true);
    m_plataforma.fijarTexto(Control::txtPregunta, "");
    m_plataforma.fondoSistema(Control::txtPregunta, false);
    m_plataforma.habilitar(Control::txtPregunta, false);
    m_plataforma.fijarTexto(Control::lblRespuesta, "");
    m_estado.SuspensoActivo = false;

    if (m_estado.PreguntasSinTruco > 4 && azar(12) == 1) {
        const std::string pregunta = fncDecodificar(textos::PreguntaEspiritu);
        const std::string si = fncDecodificar(textos::RespuestaAlSi);
        const std::string no = fncDecodificar(textos::RespuestaAlNo);
        if (m_plataforma.mensaje(pregunta, "Velmo pregunta:", Botones::SiNo) == Boton::No) {
            m_plataforma.mensaje(no, "No creo", Botones::Aceptar);
            m_plataforma.cerrarVentanaPrincipal();
            return;
        }
        m_plataforma.mensaje(si, "Creo en Dios y en el Diablo", Botones::Aceptar);
    }
    fncSeleccionarAlma();
    m_plataforma.enfocar(Control::txtPeticion);
}

void Velmo::mnuSalir_Click() {
    m_plataforma.cerrarVentanaPrincipal();
}

void Velmo::cmdSalir_Click() {
    m_plataforma.cerrarTodas();
}

void Velmo::mnuVerImagen_Click() {
    const bool visible = m_plataforma.visible(Control::pctLogo);
    m_plataforma.fijarTexto(Control::mnuVerImagen, visible ? "Ver Imagen" : "Ocultar Imagen");
    m_plataforma.mostrar(Control::pctLogo, !visible);
}

void Velmo::detenerFoco() {
    m_plataforma.habilitarTemporizador(Temporizador::tmrFocus, false);
    m_plataforma.fijarIntervalo(Temporizador::tmrFocus, 0);
}

void Velmo::tmrFocus_Timer() {
    detenerFoco();
    // The button may have been disabled since the answer (the statistics
    // command of a question asked within the two seconds): focusing a
    // disabled control would be a failure of the platform.
    if (m_plataforma.habilitado(Control::cmdNuevaPregunta)) {
        m_plataforma.enfocar(Control::cmdNuevaPregunta);
    }
}

void Velmo::fncSeleccionarAlma() {
    using namespace textos;
    if (azar(8) != 1) {
        m_estado.NombreAlma = NombreAlmaPorDefecto;
        return;
    }
    const int s = azar(31);
    if (s <= 15) {
        const int t = azar(AlmaMedios.size());
        const int u = azar(AlmaFinales.size());
        m_estado.NombreAlma =
            std::string(AlmaInicio) + std::string(AlmaMedios[t]) + std::string(AlmaFinales[u]);
    } else if (s <= 20) {
        const int t = azar(Alma2Primeros.size());
        const int u = azar(Alma2Finales.size());
        m_estado.NombreAlma = std::string(Alma2Primeros[t]) + std::string(Alma2Finales[u]);
    } else if (s <= 23) {
        m_estado.NombreAlma =
            std::string(Alma3Primeros[azar(Alma3Primeros.size())]) + std::string(Alma3Final);
    } else if (s <= 26) {
        m_estado.NombreAlma = AlmasEnteras[1];
    } else if (s <= 28) {
        m_estado.NombreAlma = AlmasEnteras[2];
    } else if (s <= 30) {
        m_estado.NombreAlma = AlmasEnteras[3];
    } else {
        m_estado.NombreAlma = AlmasEnteras[4];
    }
    if (azar(3) == 1) {
        // The status line then goes straight to its second message.
        m_plataforma.fijarIntervalo(Temporizador::tmrMensaje, azar(kPeriodoAlmaMs));
        m_estado.PasoMensaje = 1;
    }
}

void Velmo::tmrMensaje_Timer() {
    sumar(m_estado.PasoMensaje, 1);
    if (m_estado.PasoMensaje == 1) {
        m_plataforma.fijarIntervalo(Temporizador::tmrMensaje, azar(kPeriodoMensajesMs));
    }
    switch (m_estado.PasoMensaje) {
    case 1:
        m_plataforma.fijarTexto(Control::lblInfo, kBuscandoVagulantes);
        break;
    case 2:
        m_plataforma.fijarTexto(Control::lblInfo, kConectando);
        break;
    case 3:
        m_plataforma.fijarTexto(Control::lblInfo, "");
        m_plataforma.fijarIntervalo(Temporizador::tmrMensaje, 0);
        break;
    default:
        break;
    }
}

void Velmo::mnuLeerOracion_Click() {
    // The clock is read in whole seconds, so d can differ by one from the time
    // the box really stayed open; across midnight it is negative.
    const auto t1 = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    if (m_plataforma.mensaje(kOracionMenu, kTituloOracion, Botones::AceptarCancelar) != Boton::Aceptar) {
        return;
    }
    const auto t2 = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    const long d = t2 - t1;
    int umbral = 0; // the draw of 4 starts the messages when it is at most this
    if (d >= 21) {
        umbral = 3;
    } else if (d >= 14) {
        umbral = 2;
    } else if (d >= 10) {
        umbral = 1;
    }
    if (umbral > 0 && azar(4) <= umbral) {
        m_plataforma.fijarIntervalo(Temporizador::tmrMensaje, azar(kPeriodoOracionMs));
        m_estado.PasoMensaje = 0;
    }
}

} // namespace auguron
