#include "Sesion.h"

#include "../unit/Rotulos.h"

#include <cmath>
#include <stdexcept>

namespace auguron::fuzz {

namespace {

constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;
// Keys worth pressing often; a key byte of 200 or more goes as it is.
const std::string kTeclas = prueba::w(".\b\b:..abcdeflmnoprstuvz ,?áñK!…¿¡");
// Petitions: the short one, and hidden answers behind it: a plain one, one
// typed after a blank, and both with marks of their own.
const char* const kPeticiones[] = {"velmo, favor de responder:", ".sí.o, favor de responder:",
                                   ". ¡sí!.favor de responder:", ".¿y tú….avor de responder:"};
constexpr std::string_view kCierres = ".?!\x85", kAperturas = "\xBF\xA1"; // "…", "¿" and "¡"
// Whole questions that reach the topics with a state of their own.
const char* const kPreguntas[] = {"¿Cuál es el sentido de la vida",
                                  "¿Quién es el amor de mi vida",
                                  "¿Qué me va a pasar en el futuro",
                                  "¿Me muestras las estadísticas",
                                  "¿Conseguiré trabajo",
                                  "¿Qué día es hoy",
                                  "¿Cuál es tu número de la lotería",
                                  "¿Lloverá mañana"};

} // namespace

Cifras jugarSesion(std::span<const std::uint8_t> datos, Cifras c) {
    std::size_t i = 0;
    const auto leer = [&] { return i < datos.size() ? datos[i++] : std::uint8_t{0}; };
    std::uint64_t semilla = 1;
    for (int k = 0; k < 8; ++k) {
        semilla = semilla * 257 + leer();
    }
    prueba::Banco b(semilla);
    PlataformaGuion& p = b.p;
    const EstadoSesion& e = b.e();
    long evento = 0, respuestas = 0, comandos = 0;
    const auto regla = [&](bool cumple, const char* que) {
        if (!cumple) {
            throw std::logic_error(std::string(que) + " (event " + std::to_string(evento) + ")");
        }
    };
    // Keys go only into an enabled box; a "?" there answers the question.
    const auto teclear = [&](Control caja, const std::string& teclas) {
        for (const char t : teclas) {
            const bool oculta = e.EstadoTruco > 0;
            const Entero truco = e.CantPregTruco;
            if (!p.habilitado(caja)) {
                return;
            }
            b.teclear(caja, std::string(1, t));
            if (caja != Q || t != '?') {
                continue;
            }
            ++c.preguntas, c.ocultas += oculta, ++respuestas;
            if (static_cast<int>(p.estadisticas.size()) > comandos) {
                ++comandos, ++c.estadisticas;
            }
            std::string r = e.Respuesta;
            regla(prueba::rotulos().contains(e.NombreAlma),
                  "the label shown is a known one, deciphered once");
            regla(!r.empty() && kCierres.find(r.back()) != kCierres.npos,
                  "the reply ends with a closing mark");
            regla(r.size() < 2 || r.back() != '.' ||
                      kCierres.substr(1).find(r[r.size() - 2]) == kCierres.npos,
                  "no full stop after a closing mark of its own");
            regla(e.CantPregTruco == truco || (r.front() != ' ' && r.front() != '\xA0'),
                  "a hidden answer shows no blank before it");
            char& letra = r[std::min(r.find_first_not_of(kAperturas), r.size() - 1)];
            letra = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(letra)));
            regla(b.mostrada() == e.NombreAlma + r, "the label and the reply with its capital are shown");
            regla(p.activo(Temporizador::tmrFocus) == p.habilitado(Control::cmdNuevaPregunta),
                  "the focus waits on the answer only while Nueva Pregunta can take it");
            regla(oculta || prueba::legible(r), "a reply of the analysis is readable");
        }
    };
    for (; !p.principalCerrada && i < datos.size(); ++evento) {
        while (p.respuestas.size() < 4) {
            p.respuestas.push_back(static_cast<Boton>(b.generador.fncNroAleatorio(4) - 1));
        }
        const int op = leer() % 16, v = leer() % 16;
        if (op < 5) {
            const std::uint8_t k = leer();
            teclear(op < 3 ? P : Q,
                    std::string(1, k < 200 ? kTeclas[k % kTeclas.size()] : static_cast<char>(k)));
        } else if (op == 5) {
            teclear(P, prueba::w(kPeticiones[v % 4]));
        } else if (op == 6) {
            teclear(Q, prueba::w(kPreguntas[v % 8]) + "?");
        } else if (op == 7) { // F2 works while the statistics window holds the button
            p.habilitado(Control::cmdNuevaPregunta) ? b.v.cmdNuevaPregunta_Click()
                                                    : b.v.mnuNuevaPregunta_Click();
        } else if (op == 8) {
            for (int n = 0; n <= 3 * v && p.activo(Temporizador::tmrSuspenso); ++n) {
                b.v.tmrSuspenso_Timer();
                if (!p.activo(Temporizador::tmrSuspenso)) { // the final reply, shown as it stands
                    ++c.suspensos, ++respuestas;
                    regla(prueba::legible(b.mostrada()) &&
                              b.mostrada() == prueba::plano(e.NombreAlma) + prueba::plano(e.Respuesta),
                          "the suspense ends with its reply deciphered once");
                }
            }
        } else if (op == 9 && p.activo(Temporizador::tmrFocus)) {
            b.v.tmrFocus_Timer();
        } else if (op == 10 && p.activo(Temporizador::tmrMensaje)) {
            b.v.tmrMensaje_Timer();
        } else if (op == 11 && !p.habilitado(Control::cmdNuevaPregunta)) { // statistics closed
            b.v.estadisticasCerradas(v < 8);
        } else if (op == 12) { // the prayer, open for 2v seconds
            p.alMostrar = [&p, v] { p.segundos += 2 * v; };
            b.v.mnuLeerOracion_Click();
            p.alMostrar = nullptr;
        } else if (op == 13) {
            p.segundos = std::fmod(p.segundos + 600.0 * v, 86400.0);
        } else if (op == 14 && v == 15) {
            b.v.mnuSalir_Click();
        }
        regla(e.PosPeticion >= 1 && e.EstadoTruco >= 0 && e.LargoPregunta >= 0, "positions stay in range");
        regla(e.PosPeticion > 1 || e.EstadoTruco == 0, "no capture before the first key");
        regla(e.EstadoTruco != 1 || (e.PosPeticion >= 2 && e.PosPeticion <= 40),
              "a capture stays on the phrase");
        regla(!e.EnRetroceso || e.EstadoTruco != 1 || e.PosPeticion >= 31,
              "the full phrase erases no further than its last word");
        regla(!p.habilitado(P) ||
                  (e.Respuesta.find('.') == std::string::npos && (e.EstadoTruco > 0 || e.Respuesta.empty())),
              "only what follows a full stop is captured, never a full stop");
        regla(e.CantPregTruco + e.CantPregFrecuentes + e.CantPregNoValidas + e.CantOtrasPreguntas ==
                  respuestas - comandos,
              "every answer but the statistics command lands in one count");
    }
    c.cierres += p.principalCerrada;
    return c;
}

} // namespace auguron::fuzz
