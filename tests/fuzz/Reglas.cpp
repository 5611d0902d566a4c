// The rules checked after every event of a session.

#include "Partida.h"

#include "util/Cifrado.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace auguron::fuzz {

void Partida::comprobarEnvio(Entero truco, const std::string& antes, std::array<Entero, 4> cuentas,
                             Entero sinTruco, int estadisticas) {
    const EstadoSesion& s = e();
    ++m_c.preguntas;
    m_contestada = true;
    m_almaCifrada = false;

    if (habilitado(Control::txtPeticion) || habilitado(Control::txtPregunta)) {
        falla("a box is still enabled after the answer");
    }
    if (!rotulosPlanos().contains(s.NombreAlma)) {
        falla("the answer's label is not a known label, deciphered once");
    }
    const std::string& r = s.Respuesta;
    if (r.empty() || (r.back() != '.' && r.back() != '?')) {
        falla("the reply does not end with a full stop or a question mark");
    }
    if (caja(Control::lblRespuesta) != s.NombreAlma + conMayuscula(r)) {
        falla("lblRespuesta is not the label followed by the reply with its capital");
    }

    const std::array<Entero, 4> ahora = {s.CantPregTruco, s.CantPregFrecuentes, s.CantPregNoValidas,
                                         s.CantOtrasPreguntas};
    const bool saturado =
        std::any_of(cuentas.begin(), cuentas.end(), [](Entero c) { return c >= kMaximo - 1; });
    const bool abrio = m_p.estadisticasMostradas != estadisticas;
    if (truco > 0) {
        ++m_c.ocultas;
        // The hidden answer, trimmed from its end by the short petition only,
        // shown as typed.
        std::string mostrado = r;
        if (mostrado.back() == '.') {
            mostrado.pop_back();
        }
        if (antes.compare(0, mostrado.size(), mostrado) != 0 || (truco != 1 && mostrado != antes)) {
            falla("the hidden answer shown is not what was captured");
        }
        const std::size_t i = mostrado.size();
        for (std::size_t m = i; m < antes.size(); ++m) {
            if (m + 1 >= kFraseCorta.size() || antes[m] != kFraseCorta[m + 1]) {
                falla("the hidden answer lost characters that the short petition does not explain");
            }
        }
        if (truco == 1 && i > 0 && i < kFraseCorta.size() && mostrado[i - 1] == kFraseCorta[i]) {
            falla("the hidden answer kept a character that the short petition explains");
        }
        if (ahora[0] != mas1(cuentas[0]) || ahora[1] != cuentas[1] || ahora[2] != cuentas[2] ||
            ahora[3] != cuentas[3] || s.PreguntasSinTruco != 0) {
            falla("a hidden answer was counted wrong");
        }
        if (abrio || activo(Temporizador::tmrSuspenso)) {
            falla("a hidden answer ran a reply of its own");
        }
    } else {
        if (!pareceTextoPlano(r) || r.size() > 400) {
            falla("the reply is not a stored text deciphered once");
        }
        if (ahora[0] != cuentas[0] || s.PreguntasSinTruco != mas1(sinTruco)) {
            falla("an analysed question was counted wrong");
        }
        int suma = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            suma += ahora[i] - cuentas[i];
        }
        // Every analysed question lands in exactly one row, except the
        // statistics command, which lands in none.
        if (!saturado && suma != (abrio ? 0 : 1)) {
            falla("an analysed question moved the four counters by " + std::to_string(suma));
        }
    }
    if (abrio) {
        ++m_c.estadisticas;
        m_estadisticas = true;
        if (caja(Control::txtPregunta) != "?") {
            falla("the statistics command left the question box other than \"?\"");
        }
    }
    if (habilitado(Control::cmdNuevaPregunta)) {
        if (m_p.foco != Control::cmdFocus || !activo(Temporizador::tmrFocus) ||
            intervalo(Temporizador::tmrFocus) != 2000) {
            falla("after the answer the focus is not parked on cmdFocus for 2000 ms");
        }
    }
    if (activo(Temporizador::tmrSuspenso) && (!s.SuspensoActivo || s.PasoSuspenso != 0)) {
        falla("a suspense started without its state");
    }
}

void Partida::comprobar() {
    const EstadoSesion& s = e();

    // Counters that only grow never shrink and never wrap round.
    const std::array<Entero, 9> ahora = {s.CantPregTruco,
                                         s.CantPregFrecuentes,
                                         s.CantPregNoValidas,
                                         s.CantOtrasPreguntas,
                                         s.CantPeticionesIncoherentes,
                                         s.CantTema404,
                                         s.CantTema2003,
                                         s.CantTema305,
                                         s.EtapaTema10002};
    static constexpr std::array<const char*, 9> nombres = {"CantPregTruco",
                                                           "CantPregFrecuentes",
                                                           "CantPregNoValidas",
                                                           "CantOtrasPreguntas",
                                                           "CantPeticionesIncoherentes",
                                                           "CantTema404",
                                                           "CantTema2003",
                                                           "CantTema305",
                                                           "EtapaTema10002"};
    for (std::size_t i = 0; i < ahora.size(); ++i) {
        if (ahora[i] < 0 || (ahora[i] < m_crecientes[i] && m_crecientes[i] != kMaximo)) {
            falla(std::string(nombres[i]) + " went from " + std::to_string(m_crecientes[i]) + " to " +
                  std::to_string(ahora[i]));
        }
    }
    m_crecientes = ahora;
    if (s.EtapaTema10002 > 2 || (s.RangoExtraTema807 != 0 && s.RangoExtraTema807 != 4) ||
        s.RangoExtraTema807 < m_rango807 || (m_ya10006 && !s.YaTema10006) || (m_ya712 && !s.YaTema712)) {
        falla("a memory of the run went back");
    }
    m_rango807 = s.RangoExtraTema807;
    m_ya10006 = s.YaTema10006;
    m_ya712 = s.YaTema712;

    if (s.PosPeticion < 1 || s.EstadoTruco < 0 || s.LargoPregunta < 0 || s.PreguntasSinTruco < 0 ||
        s.PasoSuspenso < 0 || s.PasoMensaje < 0 || s.MaxConsonantes < 0 || s.CantPalabras < 0 ||
        s.VarianteSuspenso < 0 || s.VarianteSuspenso > 3) {
        falla("a count is out of its range");
    }
    if (s.TemaSuspenso != 0 && s.TemaSuspenso != 6807 && s.TemaSuspenso != 10006) {
        falla("TemaSuspenso holds a code no suspense calls back");
    }
    if (s.FrasePeticion != kFrasePeticion) {
        falla("FrasePeticion changed");
    }

    // The capture.
    if (s.EstadoTruco == 1 && (s.PosPeticion < 2 || s.PosPeticion > 40)) {
        falla("EstadoTruco is 1 with PosPeticion outside 2 to 40");
    }
    if (s.EnRetroceso && s.EstadoTruco < 1) {
        falla("EnRetroceso without a capture");
    }
    const std::string& peticion = caja(Control::txtPeticion);
    if (m_petSync) {
        if (peticion.size() + 1 != static_cast<std::size_t>(s.PosPeticion)) {
            falla("the petition box holds " + std::to_string(peticion.size()) +
                  " characters at PosPeticion " + std::to_string(s.PosPeticion));
        }
        if (!peticion.empty() && !esCapital(static_cast<unsigned char>(peticion[0]))) {
            falla("the petition does not start with a capital");
        }
    }
    if (m_captura) {
        const auto b = static_cast<std::size_t>(m_base);
        const auto n = static_cast<std::size_t>(s.PosPeticion - 1);
        if (std::string_view(peticion).substr(0, b) != std::string_view(m_prefijo).substr(0, b) ||
            std::string_view(peticion).substr(b) != kFrasePeticion.substr(b, n - b)) {
            falla("during the capture the petition box does not show the petition phrase");
        }
    }
    if (!m_contestada) {
        if (s.EstadoTruco == 0 && !s.Respuesta.empty()) {
            falla("Respuesta holds text without a capture");
        }
        const std::string& pregunta = caja(Control::txtPregunta);
        if (m_pregSync && pregunta.size() != static_cast<std::size_t>(s.LargoPregunta)) {
            falla("the question box holds " + std::to_string(pregunta.size()) +
                  " characters at LargoPregunta " + std::to_string(s.LargoPregunta));
        }
        if (m_pregSync && !pregunta.empty() && !esCapital(static_cast<unsigned char>(pregunta[0]))) {
            falla("the question does not start with a capital");
        }
        if (!habilitado(Control::txtPeticion) || habilitado(Control::txtPregunta) != m_dosPuntos) {
            falla("the boxes are enabled other than the petition and its colon say");
        }
        if (!caja(Control::lblRespuesta).empty()) {
            falla("an answer is shown before the question was asked");
        }
    } else {
        if (habilitado(Control::txtPeticion) || habilitado(Control::txtPregunta)) {
            falla("a box is enabled while the answer is shown");
        }
        const std::string& rotulo = caja(Control::lblRespuesta);
        if (rotulo != m_rotuloVisto) {
            if (rotuloAlFrente(rotulo).empty()) {
                falla("the answer shown does not start with a known label");
            }
            m_rotuloVisto = rotulo;
        }
    }

    // The label: stored until the reveal, shown after it.
    if (s.NombreAlma != m_almaVista || m_almaCifrada != m_almaVistaCifrada) {
        if (!(m_almaCifrada ? rotulosCifrados() : rotulosPlanos()).contains(s.NombreAlma)) {
            falla(m_almaCifrada ? "NombreAlma is not a stored label"
                                : "NombreAlma is not a label deciphered once");
        }
        m_almaVista = s.NombreAlma;
        m_almaVistaCifrada = m_almaCifrada;
    }

    // Timers.
    const int foco = intervalo(Temporizador::tmrFocus);
    const int suspenso = intervalo(Temporizador::tmrSuspenso);
    const int mensaje = intervalo(Temporizador::tmrMensaje);
    if ((foco != 0 && foco != 2000) || (suspenso != 0 && suspenso != 200 && suspenso != 250) || mensaje < 0 ||
        mensaje > 5000) {
        falla("a timer has an interval no handler gives");
    }
    if (activo(Temporizador::tmrSuspenso) && (!m_contestada || !s.SuspensoActivo || s.PasoSuspenso > 42 ||
                                              s.TemaSuspenso != (suspenso == 200 ? 10006 : 6807))) {
        falla("tmrSuspenso runs without a suspense of its own");
    }

    const std::string& info = caja(Control::lblInfo);
    if (!info.empty() && !pareceTextoPlano(info)) {
        falla("the status line shows unreadable text");
    }
    if (habilitado(Control::cmdNuevaPregunta) == m_estadisticas) {
        falla(m_estadisticas ? "cmdNuevaPregunta is enabled while the statistics window is open"
                             : "cmdNuevaPregunta is disabled with no statistics window open");
    }
}

std::string Partida::volcado() const {
    const EstadoSesion& s = m_v.estado();
    const auto& c = m_p.controles;
    std::ostringstream o;
    auto texto = [](const std::string& t) {
        std::string r;
        for (const char ch : t) {
            const auto u = static_cast<unsigned char>(ch);
            char hexa[8];
            std::snprintf(hexa, sizeof hexa, "\\x%02X", u);
            r += (u >= 32 && u < 127) ? std::string(1, ch) : std::string(hexa);
        }
        return "\"" + r + "\"";
    };
    o << "  PosPeticion " << s.PosPeticion << ", EstadoTruco " << s.EstadoTruco << ", EnRetroceso "
      << s.EnRetroceso << ", LargoPregunta " << s.LargoPregunta << ", SuspensoActivo " << s.SuspensoActivo
      << ", PasoSuspenso " << s.PasoSuspenso << ", TemaSuspenso " << s.TemaSuspenso << "\n"
      << "  counters " << s.CantPregTruco << "/" << s.CantPregFrecuentes << "/" << s.CantPregNoValidas << "/"
      << s.CantOtrasPreguntas << ", PreguntasSinTruco " << s.PreguntasSinTruco << "\n"
      << "  Respuesta " << texto(s.Respuesta) << "\n  NombreAlma " << texto(s.NombreAlma) << "\n"
      << "  txtPeticion " << texto(c.at(Control::txtPeticion).texto)
      << (c.at(Control::txtPeticion).habilitado ? "" : " (disabled)") << "\n  txtPregunta "
      << texto(c.at(Control::txtPregunta).texto)
      << (c.at(Control::txtPregunta).habilitado ? "" : " (disabled)") << "\n  lblRespuesta "
      << texto(c.at(Control::lblRespuesta).texto) << "\n";
    return o.str();
}

void Partida::falla(const std::string& que) const {
    std::ostringstream o;
    o << que << "\nafter " << m_pasos << " events; the last ones:\n";
    const long desde = std::max<long>(0, m_pasos - static_cast<long>(m_traza.size()));
    for (long i = desde; i < m_pasos; ++i) {
        const Paso& p = m_traza[static_cast<std::size_t>(i) % m_traza.size()];
        o << "  " << kNombreEv[static_cast<std::size_t>(p.ev)] << " " << p.valor << "\n";
    }
    o << "state:\n" << volcado();
    throw Violacion(o.str());
}

} // namespace auguron::fuzz
