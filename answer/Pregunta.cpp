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

// Pieces of "Velmo, favor de responder": a petition holding five of them is
// taken as well formed.
constexpr std::array<std::string_view, 9> kFragmentos = {"vel", "lmo", "fav", "vor", "r d",
                                                         "de ", "res", "pon", "der"};
} // namespace

void Velmo::txtPregunta_KeyPress(int& k) {
    if (k == kRetroceso) {
        if (m_e.LargoPregunta > 0) {
            sumar(m_e.LargoPregunta, -1);
        }
    } else {
        sumar(m_e.LargoPregunta, 1);
    }
    if (m_e.LargoPregunta == 1) {
        k = ansi::mayuscula(k);
    }
    if (k != kInterrogacion) {
        return;
    }
    if (m_e.EstadoTruco > 0) {
        rutaOculta();
    } else {
        rutaAnalisis();
    }
    revelar();
}

void Velmo::rutaOculta() {
    if (m_e.EstadoTruco == 1 && !m_e.Respuesta.empty()) {
        fncDetectarRespuesta();
    }
    m_e.PreguntasSinTruco = 0;
    sumar(m_e.CantPregTruco, 1);
}

void Velmo::rutaAnalisis() {
    sumar(m_e.PreguntasSinTruco, 1);

    const std::string peticion = ansi::enMinusculas(m_p.texto(Control::txtPeticion));
    const auto fragmentos = std::count_if(kFragmentos.begin(), kFragmentos.end(), [&](std::string_view f) {
        return peticion.find(f) != std::string::npos;
    });
    const bool PeticionCoherente = fragmentos > 4;

    const std::string pregunta = m_p.texto(Control::txtPregunta);
    std::string copia = pregunta;
    const std::string PreguntaGeneral = fncGeneralizar(copia);
    bool PreguntaCoherente = true;
    if (pregunta.size() < kLargoMinimo || m_e.CantPalabras == 1 || m_e.MaxConsonantes > 4) {
        PreguntaCoherente = false;
    }
    if (std::any_of(textos::PalabrasDePregunta.begin(), textos::PalabrasDePregunta.end(),
                    [&](std::string_view c) { return PreguntaGeneral.find(c) != std::string::npos; })) {
        PreguntaCoherente = true;
    }

    if (PeticionCoherente && PreguntaCoherente) {
        Entero TemaDetectado = fncDetectarPreguntaPuntual(PreguntaGeneral);
        if (TemaDetectado == 0) {
            TemaDetectado = fncDetectarPreguntaFrecuente(PreguntaGeneral);
        }
        if (TemaDetectado != 0) {
            fncResponderPreguntaFrecuente(TemaDetectado);
        } else {
            fncResponderPreguntaOrdinaria();
        }
    } else if (PeticionCoherente) {
        fncResponderPreguntaIncoherente();
        sumar(m_e.CantPregNoValidas, 1);
    } else if (PreguntaCoherente) {
        fncResponderPeticionIncoherente();
        sumar(m_e.CantPeticionesIncoherentes, 1);
        sumar(m_e.CantPregNoValidas, 1);
    } else {
        fncResponderPetYPregIncoherente();
        sumar(m_e.CantPregNoValidas, 1);
    }
}

void Velmo::revelar() {
    m_e.NombreAlma = fncDecodificar(m_e.NombreAlma);
    if (m_e.EstadoTruco == 0) {
        m_e.Respuesta = fncDecodificar(m_e.Respuesta);
    }
    std::string& r = m_e.Respuesta;
    if (r.empty() || (r.back() != '.' && r.back() != '?')) {
        r += '.';
    }
    std::string rotulo = m_e.NombreAlma;
    rotulo += static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(r.front())));
    rotulo.append(r, 1);
    m_p.fijarTexto(Control::lblRespuesta, rotulo);

    if (m_p.habilitado(Control::cmdNuevaPregunta)) {
        m_p.enfocar(Control::cmdFocus);
        m_p.fijarIntervalo(Temporizador::tmrFocus, 2000);
        m_p.habilitarTemporizador(Temporizador::tmrFocus, true);
    }
    m_p.habilitar(Control::txtPeticion, false);
    m_p.habilitar(Control::txtPregunta, false);
}

void Velmo::tmrSuspenso_Timer() {
    if (m_p.texto(Control::txtPeticion).empty()) {
        return;
    }
    if (m_e.PasoSuspenso < 40) {
        m_e.Respuesta += '.';
        m_p.fijarTexto(Control::lblRespuesta, m_e.NombreAlma + m_e.Respuesta);
    } else if (m_e.PasoSuspenso < 42) {
        m_e.Respuesta.clear();
        m_p.fijarTexto(Control::lblRespuesta, m_e.NombreAlma);
    } else {
        m_p.fijarIntervalo(Temporizador::tmrSuspenso, 0);
        fncResponderPreguntaFrecuente(m_e.TemaSuspenso);
        m_p.fijarTexto(Control::lblRespuesta, fncDecodificar(m_e.NombreAlma) + fncDecodificar(m_e.Respuesta));
    }
    sumar(m_e.PasoSuspenso, 1);
}

} // namespace auguron
