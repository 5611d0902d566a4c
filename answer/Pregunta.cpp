#include "answer/Velmo.h"
#include "texts/Ordinarias.h"
#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <algorithm>
#include <array>

namespace auguron {

namespace {
constexpr int kRetroceso = 8;
constexpr int kInterrogacion = '?';
constexpr std::size_t kLargoMinimo = 9;
constexpr int kEsperaFocoMs = 2000;                 // the answer holds the focus this long
constexpr std::string_view kCierres = ".?!\x85";    // \x85 is the ellipsis in Windows-1252
constexpr std::string_view kAperturas = "\xBF\xA1"; // "¿" and "¡"

// Suspense: a dot on each of the first 40 ticks, the label alone on the next
// two, the final reply on the 43rd.
constexpr Entero kTicsConPuntos = 40;
constexpr Entero kTicFinal = 42;

// Pieces of "Velmo, favor de responder": a petition holding five of them is
// taken as well formed.
constexpr std::array<std::string_view, 9> kFragmentos = {"vel", "lmo", "fav", "vor", "r d",
                                                         "de ", "res", "pon", "der"};
} // namespace

void Velmo::txtPregunta_KeyPress(int& k) {
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
    if (m_estado.EstadoTruco > 0) {
        rutaOculta();
    } else {
        rutaAnalisis();
    }
    revelar();
}

void Velmo::rutaOculta() {
    if (m_estado.EstadoTruco == 1 && !m_estado.Respuesta.empty()) {
        fncDetectarRespuesta();
    }
    m_estado.PreguntasSinTruco = 0;
    sumar(m_estado.CantPregTruco, 1);
}

void Velmo::rutaAnalisis() {
    sumar(m_estado.PreguntasSinTruco, 1);

    const std::string peticion = ansi::enMinusculas(m_plataforma.texto(Control::txtPeticion));
    const auto fragmentos = std::count_if(kFragmentos.begin(), kFragmentos.end(), [&](std::string_view f) {
        return peticion.find(f) != std::string::npos;
    });
    const bool PeticionCoherente = fragmentos > 4;

    const std::string pregunta = m_plataforma.texto(Control::txtPregunta);
    std::string copia = pregunta;
    const std::string PreguntaGeneral = fncPreguntaBuscable(fncGeneralizar(copia));
    bool PreguntaCoherente = true;
    if (pregunta.size() < kLargoMinimo || m_estado.CantPalabras == 1 || m_estado.MaxConsonantes > 4) {
        PreguntaCoherente = false;
    }
    if (textos::algunaEn(textos::PalabrasDePregunta, PreguntaGeneral)) {
        PreguntaCoherente = true;
    }

    if (PeticionCoherente && PreguntaCoherente) {
        m_temaDetectado = fncClasificarPregunta(PreguntaGeneral);
        if (m_temaDetectado != 0) {
            fncResponderPreguntaFrecuente(m_temaDetectado);
        } else {
            fncResponderPreguntaOrdinaria();
        }
    } else if (PeticionCoherente) {
        fncResponderPreguntaIncoherente();
        sumar(m_estado.CantPregNoValidas, 1);
    } else if (PreguntaCoherente) {
        fncResponderPeticionIncoherente();
        sumar(m_estado.CantPeticionesIncoherentes, 1);
        sumar(m_estado.CantPregNoValidas, 1);
    } else {
        fncResponderPetYPregIncoherente();
        sumar(m_estado.CantPregNoValidas, 1);
    }
}

void Velmo::revelar() {
    m_estado.NombreAlma = fncDecodificar(m_estado.NombreAlma);
    if (m_estado.EstadoTruco == 0) {
        m_estado.Respuesta = fncDecodificar(m_estado.Respuesta);
    }
    std::string& r = m_estado.Respuesta;
    // A closing mark of its own ("?", "!", a full stop or an ellipsis) takes
    // no full stop after it: "¡Claro que sí!." would read garbled.
    if (r.empty() || kCierres.find(r.back()) == std::string_view::npos) {
        r += '.';
    }
    // The capital goes on the first letter, behind any opening "¿" or "¡".
    std::string rotulo = m_estado.NombreAlma + r;
    const std::size_t letra = std::min(r.find_first_not_of(kAperturas), r.size() - 1);
    char& primera = rotulo[m_estado.NombreAlma.size() + letra];
    primera = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(primera)));
    m_plataforma.fijarTexto(Control::lblRespuesta, rotulo);

    if (m_plataforma.habilitado(Control::cmdNuevaPregunta)) {
        m_plataforma.enfocar(Control::cmdFocus);
        m_plataforma.fijarIntervalo(Temporizador::tmrFocus, kEsperaFocoMs);
        m_plataforma.habilitarTemporizador(Temporizador::tmrFocus, true);
    }
    m_plataforma.habilitar(Control::txtPeticion, false);
    m_plataforma.habilitar(Control::txtPregunta, false);
}

void Velmo::tmrSuspenso_Timer() {
    if (m_plataforma.texto(Control::txtPeticion).empty()) {
        return;
    }
    if (m_estado.PasoSuspenso < kTicsConPuntos) {
        m_estado.Respuesta += '.';
        m_plataforma.fijarTexto(Control::lblRespuesta, m_estado.NombreAlma + m_estado.Respuesta);
    } else if (m_estado.PasoSuspenso < kTicFinal) {
        m_estado.Respuesta.clear();
        m_plataforma.fijarTexto(Control::lblRespuesta, m_estado.NombreAlma);
    } else {
        m_plataforma.fijarIntervalo(Temporizador::tmrSuspenso, 0);
        fncResponderPreguntaFrecuente(m_estado.TemaSuspenso);
        m_plataforma.fijarTexto(Control::lblRespuesta,
                                fncDecodificar(m_estado.NombreAlma) + fncDecodificar(m_estado.Respuesta));
    }
    sumar(m_estado.PasoSuspenso, 1);
}

} // namespace auguron
