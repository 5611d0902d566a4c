#pragma once

// What a session is made of: the bytes it reads, the draws and message-box
// answers taken from them, and the texts a user types.

#include "Rotulos.h"

#include "platform/guion/PlataformaGuion.h"
#include "util/Aleatorio.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace auguron::fuzz {

inline constexpr Entero kMaximo = INT16_MAX;

// A rule broken deep inside a call (a draw, a message box); the session adds
// the events and the state before reporting it.
class Regla : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// ---- The data of one session ----

class Datos {
public:
    explicit Datos(std::span<const std::uint8_t> d)
        : m_d(d)
        , m_j(d.size()) {}

    bool quedan() const { return m_i < m_j; }
    std::uint8_t evento() { return m_i < m_j ? m_d[m_i++] : 0; }
    // From the back: draws, answers, what happens while a box is open.
    std::uint8_t azar(bool& hay) {
        hay = m_i < m_j;
        return hay ? m_d[--m_j] : 0;
    }

private:
    std::span<const std::uint8_t> m_d;
    std::size_t m_i = 0;
    std::size_t m_j;
};

// Draws taken from the data, always from 1 to Intervalo; 1 once the data is spent.
class AzarDatos final : public FuenteAleatoria {
public:
    explicit AzarDatos(Datos& d)
        : m_d(d) {}

    Entero fncNroAleatorio(int Intervalo) override {
        if (Intervalo < 1 || Intervalo > kMaximo) {
            throw Regla("a draw of " + std::to_string(Intervalo) + " was asked for");
        }
        bool hay = false;
        unsigned v = m_d.azar(hay);
        if (!hay) {
            return 1;
        }
        if (Intervalo > 256) {
            v = (v << 8) | m_d.azar(hay);
        }
        return static_cast<Entero>(1 + static_cast<int>(v % static_cast<unsigned>(Intervalo)));
    }

private:
    Datos& m_d;
};

// The scripted platform, whose message boxes take their answer from the data
// just in time (a button the box really has), so the queue is never empty.
class PlataformaSesion final : public PlataformaGuion {
public:
    explicit PlataformaSesion(Datos& d)
        : m_d(d) {}

    long mostradas = 0;

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override {
        // Every box text is plain: a deciphered text, never a stored one.
        if (!pareceTextoPlano(texto, true) || !pareceTextoPlano(titulo)) {
            throw Regla("a message box shows unreadable text: \"" + std::string(titulo) + "\" / \"" +
                        std::string(texto) + "\"");
        }
        bool hay = false;
        const std::uint8_t b = m_d.azar(hay);
        Boton r = Boton::Aceptar;
        switch (botones) {
        case Botones::Aceptar:
            r = Boton::Aceptar;
            break;
        case Botones::AceptarCancelar:
            r = hay && b % 8 == 7 ? Boton::Cancelar : Boton::Aceptar;
            break;
        case Botones::SiNo:
            r = hay && b % 2 == 1 ? Boton::No : Boton::Si;
            break;
        }
        respuestas.push_back(r);
        ++mostradas;
        if (cajas.size() > 64) {
            cajas.clear();
        }
        return PlataformaGuion::mensaje(texto, titulo, botones);
    }

private:
    Datos& m_d;
};

// ---- What the user types ----

// Petitions, in Windows-1252 bytes.
const std::vector<std::string>& peticiones();

// The keywords of the detectors, plain, to build questions that reach them.
struct Vocabulario {
    std::vector<std::string> puntuales;
    std::array<std::vector<std::vector<std::string>>, 3> familias;
    std::vector<std::string> dePregunta;
    std::vector<std::string> suspenso; // the specific question answered after a suspense
};
const Vocabulario& vocabulario();

// Questions the normalisation treats specially, in Windows-1252 bytes.
const std::vector<std::string>& preguntasRaras();

} // namespace auguron::fuzz
