// The question box: its capital, the reveal of the hidden answer, which
// responder a question reaches, and the normalisation.

#include "ConBanco.h"
#include "texts/TextosAlmas.h"

#include "texts/TextosRespaldo.h"

#include <gtest/gtest.h>

#include <vector>

namespace auguron {
namespace {

class Pregunta : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using prueba::w;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;
constexpr std::string_view kPeticion = "Velmo, favor de responder";
const std::string kDefecto = plano(textos::NombreAlmaPorDefecto);

TEST_F(Pregunta, MayusculaSoloEnLaPrimeraTecla) {
    // The count follows key presses, not characters: after "ab" and a
    // Backspace the next key is the second again.
    for (const auto& [teclas, caja] : std::vector<std::pair<std::string, std::string>>{
             {"ésto", "Ésto"},
             {"a\bb", "B"},
             {"ab\bc", "Ac"},
             {"\b\bx", "X"},
             {"\x1bx\x01y", "Xy"},
             {"\r", "?"},
             {"ab\r", "Ab?"}}) { // Enter asks the question, as "?" does
        Banco& b = banco();
        b.azar.poner({1});
        b.teclear(Q, w(teclas));
        EXPECT_EQ(b.caja(Q), w(caja)) << teclas;
        EXPECT_EQ(b.mostrada().empty(), !caja.ends_with('?')) << teclas;
        b.azar.tiradas.clear(); // drawn only where the question was asked
    }
}

TEST_F(Pregunta, LaRespuestaOcultaSeRevelaTalCual) {
    struct Fila {
        const char *peticion, *pregunta, *mostrada; // UTF-8
    };
    for (const Fila& f :
         {Fila{".sí, claro.r de responder esta pregunta", "me ira bien", "Sí, claro."},
          Fila{".simo, favor de responder", "lloverá mañana", "Si."},
          Fila{".no.o, favor de responder", "", "No."}, Fila{".y tú?.favor de responder", "a", "Y tú?"},
          // Blanks typed before the answer are dropped, before or after the trimming.
          Fila{". no., favor de responder", "a", "No."}, Fila{". sio, favor de responder", "a", "Si."},
          Fila{".\u00a0 sí. favor de responder", "a", "Sí."},
          // A capture closed by its stop keeps its letters, even those of the short petition.
          Fila{".xl.mo, favor de responder", "a", "Xl."},
          // Its own closing mark takes no full stop; the capital goes behind "¡".
          Fila{".¡claro que sí!.de responder esta pregunta", "a", "¡Claro que sí!"},
          Fila{".quién sabe….r de responder", "a", "Quién sabe…"}}) {
        Banco& b = banco();
        b.preguntar(w(f.peticion), w(f.pregunta));
        EXPECT_EQ(b.mostrada(), kDefecto + w(f.mostrada)) << f.peticion;
        EXPECT_EQ(b.e().CantPregTruco, 1);
        EXPECT_EQ(b.e().PreguntasSinTruco, 0);
        EXPECT_TRUE(b.azar.pedidos.empty()) << "no reply is drawn";
        EXPECT_FALSE(b.p.habilitado(P));
        EXPECT_FALSE(b.p.habilitado(Q));
        EXPECT_EQ(b.p.foco, Control::cmdFocus);
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrFocus), 2000) << "the answer holds the focus two seconds";
        EXPECT_TRUE(b.p.activo(Temporizador::tmrFocus));
    }
}

// Each pair reaches one responder, told apart by the reply its first value picks.
TEST_F(Pregunta, CadaIncoherenciaTieneSuResponsable) {
    enum Clase { Normal, PeticionMala, PreguntaMala, Ambas };
    struct Fila {
        const char *peticion, *pregunta;
        Clase clase;
    };
    const std::string_view primera[] = {textos::RespuestasOrdinarias[1], textos::RespuestasPeticionMala[1],
                                        textos::RespuestasPreguntaMala[1],
                                        textos::RespuestasPetYPregMalas[1]};
    const char* kBuena = "esto es una pregunta";
    for (const Fila& f :
         {Fila{"Velmo, favor", kBuena, PeticionMala}, // four pieces of the phrase
          Fila{"Velmo, favor de", kBuena, Normal},    // five
          Fila{"VELMO, FAVOR DE RESPONDER", kBuena, Normal}, Fila{"", kBuena, PeticionMala},
          Fila{kPeticion.data(), "", PreguntaMala},
          Fila{kPeticion.data(), "ab cd ef", PreguntaMala}, // under nine characters
          Fila{kPeticion.data(), "ab cd efg", Normal},
          Fila{kPeticion.data(), "abcdefghijklm", PreguntaMala}, // one word
          Fila{kPeticion.data(), "brrrr es ya", PreguntaMala},   // five consonants in a row
          Fila{kPeticion.data(), "psst es ya", Normal},
          Fila{kPeticion.data(), "cuando", Normal}, // a question word overrides all three
          Fila{"hola", "zz", Ambas},
          // A hidden answer with nothing left in it (no letter before the
          // closing stop, all of it trimmed, only blanks) is none at all.
          Fila{"..o, favor de responder", kBuena, Normal}, Fila{"Velmo, favor de responder.", kBuena, Normal},
          Fila{".elmo, favor de responder", kBuena, Normal},
          Fila{".  .o, favor de responder", kBuena, Normal}}) {
        Banco& b = banco();
        b.azar.poner({1});
        b.preguntar(f.peticion, f.pregunta);
        const EstadoSesion& e = b.e();
        SCOPED_TRACE(std::string(f.peticion) + " / " + f.pregunta);
        EXPECT_EQ(e.Respuesta, plano(primera[f.clase]) + ".");
        EXPECT_EQ(e.CantOtrasPreguntas, f.clase == Normal ? 1 : 0);
        EXPECT_EQ(e.CantPregNoValidas, f.clase == Normal ? 0 : 1);
        EXPECT_EQ(e.CantPeticionesIncoherentes, f.clase == PeticionMala ? 1 : 0);
        EXPECT_EQ(e.PreguntasSinTruco, 1);
    }
}

TEST_F(Pregunta, Normalizacion) {
    struct Fila {
        const char *entrada, *normal; // UTF-8
        Entero palabras, consonantes;
    };
    for (const Fila& f : {Fila{"Kilo", " quilo ", 1, 1}, Fila{"¿Cuándo llegarás", " ¿cuando llegaras ", 2, 2},
                          Fila{"psst hmm", " psst hmm ", 2, 4}, Fila{"ÁRBOL", " arbol ", 1, 2},
                          Fila{"rhythm", " rhythm ", 1, 6}, Fila{"dos  palabras", " dos  palabras ", 3, 2},
                          Fila{"", "  ", 1, 0}, Fila{"  ÑÜÉ  ", "   ñüe   ", 5, 1},
                          Fila{"kkk", " quququ ", 1, 1}, Fila{"brrrrr ok", " brrrrr oqu ", 2, 6}}) {
        Banco& b = banco();
        std::string cadena = w(f.entrada);
        const std::string cifrada = b.v.fncGeneralizar(cadena);
        EXPECT_EQ(cadena, w(f.normal)) << f.entrada;
        EXPECT_EQ(plano(cifrada), w(f.normal)) << f.entrada;
        EXPECT_EQ(b.e().CantPalabras, f.palabras) << f.entrada;
        EXPECT_EQ(b.e().MaxConsonantes, f.consonantes) << f.entrada;
    }
}

} // namespace
} // namespace auguron
