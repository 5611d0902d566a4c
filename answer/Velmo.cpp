#include "answer/Velmo.h"

#include "answer/Detectores.h"
#include "answer/Normalizacion.h"
#include "texts/TextosAlmas.h"
#include "texts/TextosPlanos.h"
#include "texts/TextosRespaldo.h"
#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <algorithm>
#include <array>

namespace auguron {

using namespace textos;

namespace {
constexpr auto kOracionInicio = plano(u8"Tómense de manos y repitan al unísono esto:\r"
                                      u8"Laudate omnes gentes laudate, Magnificat en secula\r"
                                      u8"Et anima mea laudate, Magnificat en secula");
constexpr auto kBienvenida = plano(u8"Bienvenido al Sistema Interactivo de Vagulantes.\r"
                                   u8"- A propósito, mi nombre es Velmo...");
constexpr auto kTituloBienvenida = plano(u8"Buscando vagulantes...");
constexpr int kPrimerMensajeMs = 5000; // the status line's first message, at most this late

constexpr int kRetroceso = 8;
constexpr int kEnter = 13;
constexpr int kInterrogacion = '?';
constexpr std::size_t kLargoMinimo = 9;
constexpr int kEsperaFocoMs = 2000;                 // the answer holds the focus this long
constexpr std::string_view kCierres = ".?!\x85";    // \x85 is the ellipsis in Windows-1252
constexpr std::string_view kAperturas = "\xBF\xA1"; // "¿" and "¡"
constexpr std::string_view kBlancos = " \xA0";      // a blank and a no-break space

// Suspense: a dot on each of the first 40 ticks, the label alone on the next
// two, the final reply on the 43rd.
constexpr Entero kTicsConPuntos = 40;
constexpr Entero kTicFinal = 42;

// Pieces of "Velmo, favor de responder": a petition holding five of them is
// taken as well formed.
constexpr std::array<std::string_view, 9> kFragmentos = {"vel", "lmo", "fav", "vor", "r d",
                                                         "de ", "res", "pon", "der"};
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
    m_estado.NombreAlma = NombreAlmaPorDefecto;
    m_estado.PosPeticion = 1;

    m_plataforma.temporizador(Temporizador::tmrMensaje, m_azar.fncNroAleatorio(kPrimerMensajeMs));
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
    m_plataforma.temporizador(Temporizador::tmrSuspenso, 0);
    m_plataforma.fijarTexto(Control::lblInfo, "");
    m_plataforma.fijarTexto(Control::txtPeticion, "");
    m_controles.peticionEscrita = false;
    m_plataforma.habilitar(Control::txtPeticion, true);
    m_plataforma.fijarTexto(Control::txtPregunta, "");
    m_plataforma.fondoSistema(Control::txtPregunta, false);
    m_plataforma.habilitar(Control::txtPregunta, false);
    m_plataforma.fijarTexto(Control::lblRespuesta, "");
    m_estado.SuspensoActivo = false;

    if (m_estado.PreguntasSinTruco > 4 && m_azar.fncNroAleatorio(12) == 1) {
        const std::string pregunta = fncDecodificar(PreguntaEspiritu);
        const std::string si = fncDecodificar(RespuestaAlSi);
        const std::string no = fncDecodificar(RespuestaAlNo);
        if (m_plataforma.mensaje(pregunta, "Velmo pregunta:", Botones::SiNo) == Boton::No) {
            m_plataforma.mensaje(no, "No creo", Botones::Aceptar);
            m_plataforma.cerrarVentanaPrincipal();
            return;
        }
        m_plataforma.mensaje(si, "Creo en Dios y en el Diablo", Botones::Aceptar);
    }
    m_almas.fncSeleccionarAlma();
    m_plataforma.enfocar(Control::txtPeticion);
}

void Velmo::mnuVerImagen_Click() {
    const bool visible = m_controles.logoVisible;
    m_plataforma.fijarTexto(Control::mnuVerImagen, visible ? kVerImagen : kOcultarImagen);
    m_controles.logoVisible = !visible;
    m_plataforma.mostrar(Control::pctLogo, !visible);
}

void Velmo::detenerFoco() {
    m_plataforma.temporizador(Temporizador::tmrFocus, 0);
}

void Velmo::tmrFocus_Timer() {
    detenerFoco();
    // The button may have been disabled since the answer (the statistics
    // command of a question asked within the two seconds): focusing a
    // disabled control would be a failure of the platform.
    if (m_controles.nuevaPreguntaHabilitada) {
        m_plataforma.enfocar(Control::cmdNuevaPregunta);
    }
}

void Velmo::estadisticasCerradas(bool conAceptar) {
    m_plataforma.habilitar(Control::cmdNuevaPregunta, true);
    m_controles.nuevaPreguntaHabilitada = true;
    if (conAceptar) {
        m_plataforma.enfocar(Control::cmdNuevaPregunta);
    }
}

void Velmo::txtPeticion_KeyPress(int& k) {
    if (m_captura.tecla(k)) {
        // The colon ends the petition: on to the question.
        m_plataforma.fondoSistema(Control::txtPregunta, true);
        m_plataforma.habilitar(Control::txtPregunta, true);
        m_plataforma.enfocar(Control::txtPregunta);
    }
}

void Velmo::txtPregunta_KeyPress(int& k, std::string_view pregunta, std::string_view peticion) {
    // Enter asks the question as "?" does, and the box shows the "?".
    if (k == kEnter) {
        k = kInterrogacion;
    }
    if (esControl(k)) {
        k = 0;
        return;
    }
    if (k == kRetroceso) {
        if (m_estado.LargoPregunta > 0) {
            sumar(m_estado.LargoPregunta, -1);
        }
    } else {
        sumar(m_estado.LargoPregunta, 1);
    }
    if (m_estado.LargoPregunta == 1) {
        k = ansi::mayuscula(k);
    }
    if (k != kInterrogacion) {
        return;
    }
    m_temaDetectado = 0;
    m_controles.peticionEscrita = !peticion.empty();
    if (m_estado.EstadoTruco > 0 && tomarRespuestaOculta()) {
        m_estado.PreguntasSinTruco = 0;
        sumar(m_estado.CantPregTruco, 1);
    } else {
        rutaAnalisis(pregunta, peticion);
    }
    revelar();
}

bool Velmo::tomarRespuestaOculta() {
    std::string& respuesta = m_estado.Respuesta;
    if (m_estado.EstadoTruco == 1 && !respuesta.empty()) {
        m_captura.fncDetectarRespuesta();
    }
    // A blank typed right after the opening stop is a habit, not the answer:
    // the capital goes on its first letter.
    respuesta.erase(0, respuesta.find_first_not_of(kBlancos));
    if (respuesta.empty()) {
        // Nothing to reveal (a bare full stop would show): the question goes
        // the ordinary way, as if no trick had been typed.
        m_estado.EstadoTruco = 0;
        return false;
    }
    return true;
}

std::string Velmo::fncGeneralizar(std::string& Cadena) {
    PreguntaNormalizada n = normalizar(Cadena);
    m_estado.CantPalabras = n.palabras;
    m_estado.MaxConsonantes = std::max(m_estado.MaxConsonantes, n.consonantes);
    Cadena = std::move(n.texto);
    return fncCodificar(Cadena);
}

void Velmo::rutaAnalisis(std::string_view pregunta, std::string_view peticion) {
    sumar(m_estado.PreguntasSinTruco, 1);

    const std::string minusculas = ansi::enMinusculas(peticion);
    const auto fragmentos = std::count_if(kFragmentos.begin(), kFragmentos.end(), [&](std::string_view f) {
        return minusculas.find(f) != std::string::npos;
    });
    const bool PeticionCoherente = fragmentos > 4;

    std::string copia(pregunta);
    const std::string PreguntaGeneral = fncPreguntaBuscable(fncGeneralizar(copia));
    bool PreguntaCoherente = true;
    if (pregunta.size() < kLargoMinimo || m_estado.CantPalabras == 1 || m_estado.MaxConsonantes > 4) {
        PreguntaCoherente = false;
    }
    if (algunaEn(PalabrasDePregunta, PreguntaGeneral)) {
        PreguntaCoherente = true;
    }

    if (PeticionCoherente && PreguntaCoherente) {
        m_temaDetectado = fncClasificarPregunta(PreguntaGeneral);
        if (m_temaDetectado != 0) {
            m_frecuentes.fncResponderPreguntaFrecuente(m_temaDetectado);
        } else {
            m_respaldo.fncResponderPreguntaOrdinaria();
        }
    } else if (PeticionCoherente) {
        m_respaldo.fncResponderPreguntaIncoherente();
        sumar(m_estado.CantPregNoValidas, 1);
    } else if (PreguntaCoherente) {
        m_respaldo.fncResponderPeticionIncoherente();
        sumar(m_estado.CantPeticionesIncoherentes, 1);
        sumar(m_estado.CantPregNoValidas, 1);
    } else {
        m_respaldo.fncResponderPetYPregIncoherente();
        sumar(m_estado.CantPregNoValidas, 1);
    }
}

void Velmo::revelar() {
    m_estado.NombreAlma = fncDecodificar(m_estado.NombreAlma);
    if (m_estado.EstadoTruco == 0) {
        m_estado.Respuesta = fncDecodificar(m_estado.Respuesta);
    }
    std::string& respuesta = m_estado.Respuesta;
    // A closing mark of its own ("?", "!", a full stop or an ellipsis) takes
    // no full stop after it: "¡Claro que sí!." would read garbled.
    if (respuesta.empty() || kCierres.find(respuesta.back()) == std::string_view::npos) {
        respuesta += '.';
    }
    // The capital goes on the first letter, behind any opening "¿" or "¡".
    std::string rotulo = m_estado.NombreAlma + respuesta;
    // Never all opening marks: the reply ends in a closing mark or the full stop.
    const std::size_t letra = respuesta.find_first_not_of(kAperturas);
    char& primera = rotulo[m_estado.NombreAlma.size() + letra];
    primera = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(primera)));
    m_plataforma.fijarTexto(Control::lblRespuesta, rotulo);

    if (m_controles.nuevaPreguntaHabilitada) {
        m_plataforma.enfocar(Control::cmdFocus);
        m_plataforma.temporizador(Temporizador::tmrFocus, kEsperaFocoMs);
    }
    m_plataforma.habilitar(Control::txtPeticion, false);
    m_plataforma.habilitar(Control::txtPregunta, false);
}

void Velmo::tmrSuspenso_Timer() {
    if (!m_controles.peticionEscrita) {
        return;
    }
    if (m_estado.PasoSuspenso < kTicsConPuntos) {
        m_estado.Respuesta += '.';
        m_plataforma.fijarTexto(Control::lblRespuesta, m_estado.NombreAlma + m_estado.Respuesta);
    } else if (m_estado.PasoSuspenso < kTicFinal) {
        m_estado.Respuesta.clear();
        m_plataforma.fijarTexto(Control::lblRespuesta, m_estado.NombreAlma);
    } else {
        m_plataforma.temporizador(Temporizador::tmrSuspenso, 0);
        m_frecuentes.fncResponderPreguntaFrecuente(m_estado.TemaSuspenso);
        m_plataforma.fijarTexto(Control::lblRespuesta,
                                fncDecodificar(m_estado.NombreAlma) + fncDecodificar(m_estado.Respuesta));
    }
    sumar(m_estado.PasoSuspenso, 1);
}

} // namespace auguron
