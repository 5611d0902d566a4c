#include "Sesion.h"

#include "../unit/Apoyo.h"

#include <cmath>
#include <stdexcept>

namespace auguron::fuzz {

namespace {

using prueba::Banco;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;

// Keys worth pressing often; a key byte of 200 or more is sent as it is.
const std::string kTeclas = prueba::w(".\b\b:..abcdeflmnoprstuvz ,?áñK");
// Whole questions that reach the topics with a state of their own.
const char* const kPreguntas[] = {"¿Cuál es el sentido de la vida",
                                  "¿Quién es el amor de mi vida",
                                  "¿Qué me va a pasar en el futuro",
                                  "estadísticas",
                                  "¿Conseguiré trabajo",
                                  "¿Qué día es hoy",
                                  "¿Cuál es tu número de la lotería",
                                  "¿Lloverá mañana"};

class Partida {
public:
    Partida(std::span<const std::uint8_t> datos, Cifras& c)
        : m_d(datos)
        , m_b(semilla())
        , m_c(c) {}

    void jugar() {
        for (m_evento = 0; !m_b.p.principalCerrada && m_i < m_d.size(); ++m_evento) {
            while (m_b.p.respuestas.size() < 4) {
                m_b.p.respuestas.push_back(static_cast<Boton>(m_b.generador.fncNroAleatorio(4) - 1));
            }
            const std::uint8_t e = leer();
            paso(e % 16, e / 16);
            comprobar();
        }
        m_c.cierres += m_b.p.principalCerrada;
    }

private:
    std::uint64_t semilla() {
        std::uint64_t s = 1;
        for (int i = 0; i < 8; ++i) {
            s = s * 257 + leer();
        }
        return s;
    }
    std::uint8_t leer() { return m_i < m_d.size() ? m_d[m_i++] : 0; }
    bool habilitado(Control c) const { return m_b.p.habilitado(c); }

    void teclear(Control c, const std::string& teclas) {
        for (const char t : teclas) {
            if (!habilitado(c)) {
                return; // a disabled box takes no keys
            }
            const bool pregunta = c == Q && t == '?';
            const bool oculta = m_b.e().EstadoTruco > 0;
            m_b.teclear(c, std::string(1, t));
            if (pregunta) {
                respondida(oculta);
            }
        }
    }

    void paso(int op, int v) {
        PlataformaGuion& p = m_b.p;
        if (op < 5) {
            const std::uint8_t k = leer();
            teclear(op < 3 ? P : Q,
                    std::string(1, k < 200 ? kTeclas[k % kTeclas.size()] : static_cast<char>(k)));
            return;
        }
        switch (op) {
        case 5:
            teclear(P, "velmo, favor de responder:");
            break;
        case 6:
            teclear(Q, prueba::w(kPreguntas[v % std::size(kPreguntas)]) + "?");
            break;
        case 7:
            // F2 works while the statistics window holds the button disabled.
            p.habilitado(Control::cmdNuevaPregunta) ? m_b.v.cmdNuevaPregunta_Click()
                                                    : m_b.v.mnuNuevaPregunta_Click();
            break;
        case 8:
            for (int i = 0; i <= 3 * v && p.activo(Temporizador::tmrSuspenso); ++i) {
                m_b.v.tmrSuspenso_Timer();
                if (!p.activo(Temporizador::tmrSuspenso)) {
                    finDelSuspenso();
                }
            }
            break;
        case 9:
            if (p.activo(Temporizador::tmrFocus)) {
                m_b.v.tmrFocus_Timer();
            }
            break;
        case 10:
            if (p.activo(Temporizador::tmrMensaje)) {
                m_b.v.tmrMensaje_Timer();
            }
            break;
        case 11: // the statistics window closed with its button
            if (!p.habilitado(Control::cmdNuevaPregunta)) {
                p.habilitar(Control::cmdNuevaPregunta, true);
                p.enfocar(Control::cmdNuevaPregunta);
            }
            break;
        case 12:
            p.alMostrar = [&p, v] { p.segundos += 2 * v; };
            m_b.v.mnuLeerOracion_Click();
            p.alMostrar = nullptr;
            break;
        case 13:
            m_b.v.mnuVerImagen_Click();
            break;
        case 14:
            teclear(P, prueba::w(".sí.o, favor de responder:"));
            break;
        default:
            if (v == 15) {
                m_b.v.mnuSalir_Click();
            } else {
                p.segundos = std::fmod(p.segundos + 600.0 * v, 86400.0);
            }
            break;
        }
    }

    void regla(bool cumple, const char* que) const {
        if (!cumple) {
            throw std::logic_error(std::string(que) + " (event " + std::to_string(m_evento) + ")");
        }
    }

    // The answer on screen: a known label, then the reply with its capital
    // and its closing mark; a reply of the analysis is readable text.
    void respondida(bool oculta) {
        const EstadoSesion& e = m_b.e();
        ++m_c.preguntas;
        m_c.ocultas += oculta;
        ++m_respuestas;
        if (m_b.p.estadisticasMostradas > m_comandos) {
            ++m_comandos;
            ++m_c.estadisticas;
        }
        const std::string& r = e.Respuesta;
        regla(prueba::rotulos().contains(e.NombreAlma), "the label shown is a known label, deciphered once");
        regla(!r.empty() && (r.back() == '.' || r.back() == '?'), "the reply ends with a closing mark");
        std::string cuerpo = r;
        cuerpo[0] = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(cuerpo[0])));
        regla(m_b.mostrada() == e.NombreAlma + cuerpo, "the label and the reply are what is shown");
        regla(oculta || prueba::legible(r), "a reply of the analysis is readable");
        regla(!habilitado(P) && !habilitado(Q), "an answer locks both boxes");
    }

    void finDelSuspenso() {
        const EstadoSesion& e = m_b.e();
        ++m_c.suspensos;
        ++m_respuestas;
        regla(prueba::rotulos().contains(prueba::plano(e.NombreAlma)), "the final reply's label is stored");
        regla(prueba::legible(m_b.mostrada()) &&
                  m_b.mostrada() == prueba::plano(e.NombreAlma) + prueba::plano(e.Respuesta),
              "the final reply is shown deciphered once");
    }

    void comprobar() const {
        const EstadoSesion& e = m_b.v.estado();
        regla(e.PosPeticion >= 1 && e.EstadoTruco >= 0 && e.LargoPregunta >= 0,
              "the positions stay in range");
        regla(e.EstadoTruco != 1 || (e.PosPeticion >= 2 && e.PosPeticion <= 40),
              "a capture keeps the box on the phrase");
        if (habilitado(P)) {
            regla(e.Respuesta.find('.') == std::string::npos, "full stops are never captured");
            regla(e.EstadoTruco > 0 || e.Respuesta.empty(), "nothing is captured without a full stop");
        }
        const int cuentas =
            e.CantPregTruco + e.CantPregFrecuentes + e.CantPregNoValidas + e.CantOtrasPreguntas;
        regla(e.CantPregTruco >= 0 && e.CantPregFrecuentes >= 0 && e.CantPregNoValidas >= 0 &&
                  e.CantOtrasPreguntas >= 0 && cuentas == m_respuestas - m_comandos,
              "every answer lands in one count, but the statistics command");
    }

    std::span<const std::uint8_t> m_d;
    std::size_t m_i = 0;
    Banco m_b;
    Cifras& m_c;
    long m_evento = 0, m_respuestas = 0, m_comandos = 0;
};

} // namespace

Cifras jugarSesion(std::span<const std::uint8_t> datos, Cifras cifras) {
    Partida(datos, cifras).jugar();
    return cifras;
}

} // namespace auguron::fuzz
