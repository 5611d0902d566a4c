// The petition box: the hidden answer captured behind the phrase, its
// erasing, and counters that a held key cannot run out of range.

#include "ConBanco.h"

#include <gtest/gtest.h>

#include <vector>

namespace auguron {
namespace {

class Peticion : public prueba::ConBanco {};
class CapturaAcotada : public prueba::ConBanco {};

using prueba::Banco;
using prueba::w;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;
constexpr std::string_view kFrase = textos::kFrasePeticion;

TEST_F(Peticion, LoQueMuestraLaCajaYLoQueCaptura) {
    struct Fila {
        std::string teclas; // UTF-8, "\b" is Backspace
        std::string caja, oculta;
        int truco;
    };
    const std::vector<Fila> filas = {
        {"velmo", "Velmo", "", 0},
        {"ñuÿ", "Ñuÿ", "", 0},
        {".si", "Vel", "si", 1},
        {".a:", "Ve:", "a", 1}, // the colon opens the question box
        {".no.o, favor de responder", "Velmo, favor de responder", "no", 2},
        {".no.o, favor de responder..", "Velmo, favor de responder..", "no", 4}, // later stops only count
        {"ab.cd", "Ablmo", "cd", 1}, // a capture opened later shows the phrase from there
        {".abc\b", "Vel", "ab", 1},
        {".abc\b\b\b\b", "", "", 0}, // an empty box ends the capture
        {".abc\b\b\b\b\b.q", "Ve", "q", 1},
        {"ab.cd\b\b\b", "Ab", "", 1}, // erasing the opening stop does not close it
        {std::string(40, 'a') + ".", std::string("A").append(39, 'a').append("."), "", 0}, // past position 40
        // A closed capture's full stop past the phrase shows as typed.
        {std::string(".a.").append(42, 'b') + ".", std::string("Vel").append(42, 'b') + ".", "a", 2},
        // Ctrl+A, Ctrl+V, Escape and Enter are no characters: not shown, not
        // captured, and the phrase does not run ahead of the box.
        {std::string(".sí\x01\x16\x1b\r\0.o\r", 12), "Velmo", "sí", 2}, // \0 is Ctrl+@
    };
    for (const Fila& f : filas) {
        Banco& b = banco();
        b.teclear(P, w(f.teclas));
        EXPECT_EQ(b.caja(P), w(f.caja)) << f.teclas;
        EXPECT_EQ(b.e().Respuesta, w(f.oculta)) << f.teclas;
        EXPECT_EQ(b.e().EstadoTruco, f.truco) << f.teclas;
        EXPECT_FALSE(b.e().EnRetroceso) << f.teclas;
        const bool abierta = f.teclas.find(':') != std::string::npos;
        EXPECT_EQ(b.p.habilitado(Q), abierta) << "only the colon opens the question";
        EXPECT_EQ(b.p.controles[Q].fondoSistema, abierta) << "in the colour of an editable box";
    }
}

TEST_F(Peticion, LaFraseLlenaBorraYReescribeSuUltimaPalabra) {
    Banco& b = banco();
    b.teclear(P, std::string(".").append(38, 'x'));
    EXPECT_EQ(b.caja(P), kFrase);
    EXPECT_FALSE(b.e().EnRetroceso);
    b.teclear(P, "y"); // the 39th key erases
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 38));
    b.teclear(P, "\by"); // a Backspace meanwhile does not stop the erasing
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 36));
    b.teclear(P, "yyyy");
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 32));
    b.teclear(P, "\b"); // one back to the last word's start does
    EXPECT_FALSE(b.e().EnRetroceso);
    b.teclear(P, std::string(8, 'z')); // and the last word is written again
    EXPECT_EQ(b.caja(P), kFrase);
    b.teclear(P, "w");
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 38));
    EXPECT_EQ(b.e().Respuesta, std::string(38, 'x') + std::string(4, 'y') + std::string(8, 'z') + "w");
    // Erased by keys down to the last word's start, the next key shows its first letter.
    Banco& c = banco();
    c.teclear(P, std::string(".").append(38, 'x').append(8, 'y').append("z"));
    EXPECT_EQ(c.caja(P), kFrase.substr(0, 32));
}

// A Backspace while the erasing had the phrase at its shortest used to leave
// it erasing below the last word: every later key erased one more character,
// down to an empty box and a position of 0 and below. The same through a
// capture opened at position 40, whose erasing started with nothing captured.
TEST_F(CapturaAcotada, LaCajaSigueEnLaFraseTrasUnRetroceso) {
    for (const std::string& teclas : {std::string(".").append(38, 'x').append(8, 'y').append("\b"),
                                      std::string(39, 'a') + "." + std::string(8, '\b')}) {
        Banco& b = banco();
        b.teclear(P, teclas);
        for (int i = 0; i < 200; ++i) {
            b.teclear(P, "z");
            const EstadoSesion& e = b.e();
            ASSERT_EQ(e.EstadoTruco, 1);
            ASSERT_GE(e.PosPeticion, 2) << "after " << i + 1 << " keys";
            ASSERT_LE(e.PosPeticion, 40);
            ASSERT_EQ(b.caja(P).size() + 1, static_cast<std::size_t>(e.PosPeticion));
        }
    }
}

TEST_F(Peticion, LaDeteccionQuitaLoQueCoincideConLaFraseCorta) {
    struct Fila {
        std::string captado, queda;
    };
    for (const Fila& f :
         {Fila{"elmo, favor de responder", ""}, Fila{"simo, favor de responder", "si"}, Fila{"hola", "hola"},
          Fila{"xl", "x"}, Fila{"xL", "xL"}, Fila{std::string(25, 'r'), std::string(25, 'r')},
          Fila{std::string(24, 'x') + " ", std::string(24, 'x') + " "}}) { // the short petition has 25
        Banco& b = banco();
        b.e().Respuesta = f.captado;
        b.v.captura().fncDetectarRespuesta();
        EXPECT_EQ(b.e().Respuesta, f.queda) << f.captado;
    }
}

// A key held down for hours stops each 16-bit count at its limit instead of
// wrapping it round, and Backspace on an empty box at its floor.
TEST_F(CapturaAcotada, UnaTeclaSostenidaSeQuedaEnElLimite) {
    struct Fila {
        Control caja; // cmdFocus: straight into the normalisation
        const char *antes, *tecla;
        Entero EstadoSesion::*campo;
        Entero esperado;
    };
    for (const Fila& f : {Fila{P, "", "a", &EstadoSesion::PosPeticion, INT16_MAX},
                          Fila{P, "x", ".\b", &EstadoSesion::EstadoTruco, INT16_MAX},
                          Fila{P, "", "\b", &EstadoSesion::PosPeticion, 1},
                          Fila{Q, "", "a", &EstadoSesion::LargoPregunta, INT16_MAX},
                          Fila{Q, "", "\b", &EstadoSesion::LargoPregunta, 0},
                          Fila{Control::cmdFocus, "", "b", &EstadoSesion::MaxConsonantes, INT16_MAX},
                          Fila{Control::cmdFocus, "", " ", &EstadoSesion::CantPalabras, INT16_MAX}}) {
        Banco& b = banco();
        std::string teclas = f.antes;
        for (int i = 0; i < 40000; ++i) {
            teclas += f.tecla;
        }
        f.caja == Control::cmdFocus ? void(b.v.fncGeneralizar(teclas)) : b.teclear(f.caja, teclas);
        EXPECT_EQ(b.e().*f.campo, f.esperado) << static_cast<int>(f.caja) << " " << f.antes << f.tecla;
    }
}

} // namespace
} // namespace auguron
