// Hostile text: control codes, very long petitions and questions, and every
// character the normalisation treats specially. Each gets a normal reply or an
// incoherence reply, shown as a known label, a capital and a closing mark.

#include "../fuzz/Rotulos.h"
#include "Apoyo.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::w;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;

enum class Clase { Normal, PeticionMala, PreguntaMala, AmbasMalas };

struct Hostil {
    const char* nombre;
    std::string peticion; // Windows-1252, typed key by key, then ":"
    std::string pregunta; // Windows-1252, typed key by key, then "?"
    Clase clase;
};

void PrintTo(const Hostil& h, std::ostream* o) {
    *o << h.nombre;
}

std::string repetir(std::string_view s, int veces) {
    std::string r;
    for (int i = 0; i < veces; ++i) {
        r += s;
    }
    return r;
}

// Control codes between the letters: the box shows none of them.
std::string conControles(std::string_view s) {
    std::string r;
    int c = 1;
    for (const char ch : s) {
        r += ch;
        r += static_cast<char>(c);
        c = c == 31 ? 127 : (c == 127 ? 1 : (c == 7 ? 9 : c + 1)); // never 8: Backspace edits
    }
    return r;
}

const std::string kPeticion = "velmo, favor de responder";
const std::string kPregunta = w("¿Lloverá mañana en la sierra");

std::vector<Hostil> filas() {
    std::string todos; // every code but Backspace and "?"
    for (int c = 1; c < 256; ++c) {
        if (c != 8 && c != '?') {
            todos += static_cast<char>(c);
        }
    }
    return {
        {"controles_en_la_peticion", conControles(kPeticion), kPregunta, Clase::Normal},
        {"controles_en_la_pregunta", kPeticion, conControles(kPregunta), Clase::Normal},
        {"peticion_de_diez_mil", kPeticion + " " + std::string(10000, 'x'), kPregunta, Clase::Normal},
        {"peticion_de_diez_mil_sin_fragmentos", std::string(10000, 'z'), kPregunta, Clase::PeticionMala},
        {"pregunta_de_diez_mil", kPeticion, kPregunta + repetir(w(" mañana"), 1428), Clase::Normal},
        {"pregunta_de_una_palabra_de_diez_mil", kPeticion, std::string(10000, 'a'), Clase::PreguntaMala},
        {"ambas_de_diez_mil", std::string(10000, 'z'), std::string(10000, 'z'), Clase::AmbasMalas},
        {"k_de_kilo", kPeticion, "Kike compra un kilo de kiwis", Clase::Normal},
        {"k_que_da_vocales", kPeticion, "kkkk kkkk", Clase::Normal}, // qu for every k
        {"mayusculas_acentuadas", kPeticion, w("ÁRBOL ÉLITE ÍDOLO ÓPERA ÚTIL"), Clase::Normal},
        {"enie_y_dieresis", kPeticion, w("¿La cigüeña del ñandú llegará"), Clase::Normal},
        {"signos_invertidos", kPeticion, w("¡¿Qué será de mí!"), Clase::Normal},
        {"blancos_en_los_extremos", kPeticion, "   " + kPregunta + "   ", Clase::Normal},
        {"blancos_repetidos", kPeticion, w("¿Lloverá     mañana     en     la     sierra"), Clase::Normal},
        {"solo_blancos", kPeticion, std::string(12, ' '), Clase::Normal},
        {"peticion_en_mayusculas_acentuadas", w("VÉLMO, FAVÓR DE RESPÓNDER"), kPregunta, Clase::Normal},
        {"peticion_vacia", "", kPregunta, Clase::PeticionMala},
        {"pregunta_vacia", kPeticion, "", Clase::PreguntaMala},
        // In code order the letters run p, q, r, s, t: five consonants in a row.
        {"todos_los_codigos_en_la_pregunta", kPeticion, todos, Clase::PreguntaMala},
        {"todos_los_codigos_en_la_peticion", todos, kPregunta, Clase::PeticionMala},
        {"codigos_altos", kPeticion, "\x80\x81\x8D\x8F\x90\x9D\x9F\xFF \xDF\xB5\xA0\xAD", Clase::Normal},
    };
}

class TextoHostil : public testing::TestWithParam<Hostil> {};

TEST_P(TextoHostil, DaUnaRespuestaBienFormada) {
    const Hostil& h = GetParam();
    Banco b;
    b.azar.poner({1, 1, 1, 1, 1, 1, 1, 1});
    b.teclear(P, h.peticion + ":");
    b.teclear(Q, h.pregunta + "?");

    const EstadoSesion& e = b.e();
    EXPECT_EQ(e.CantPregTruco, 0);
    EXPECT_TRUE(fuzz::rotulosPlanos().contains(e.NombreAlma)) << e.NombreAlma;
    ASSERT_FALSE(e.Respuesta.empty());
    EXPECT_TRUE(e.Respuesta.back() == '.' || e.Respuesta.back() == '?');
    EXPECT_TRUE(fuzz::pareceTextoPlano(e.Respuesta)) << e.Respuesta;
    std::string cuerpo = e.Respuesta;
    cuerpo[0] = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(cuerpo[0])));
    EXPECT_EQ(b.respuestaMostrada(), e.NombreAlma + cuerpo);

    const int normales = e.CantPregFrecuentes + e.CantOtrasPreguntas;
    switch (h.clase) {
    case Clase::Normal:
        EXPECT_EQ(normales, 1);
        EXPECT_EQ(e.CantPregNoValidas, 0);
        break;
    case Clase::PeticionMala:
        EXPECT_EQ(e.CantPeticionesIncoherentes, 1);
        EXPECT_EQ(e.CantPregNoValidas, 1);
        break;
    case Clase::PreguntaMala:
    case Clase::AmbasMalas:
        EXPECT_EQ(e.CantPeticionesIncoherentes, 0);
        EXPECT_EQ(e.CantPregNoValidas, 1);
        EXPECT_EQ(normales, 0);
        break;
    }
    // The boxes hold what was typed, less the codes a box does not show.
    EXPECT_EQ(b.caja(P).find_first_of(std::string("\x01\x1F\x7F", 3)), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Hostil, TextoHostil, testing::ValuesIn(filas()),
                         [](const auto& i) { return std::string(i.param.nombre); });

// Every code alone, as the whole question and as the whole petition.
TEST(TextoHostil, CadaCodigoSoloDaUnaRespuestaBienFormada) {
    for (int c = 0; c < 256; ++c) {
        if (c == 8 || c == ':' || c == '?') {
            continue;
        }
        for (const bool enPeticion : {false, true}) {
            SCOPED_TRACE("code " + std::to_string(c) +
                         (enPeticion ? " in the petition" : " in the question"));
            Banco b;
            b.azar.poner({1, 1, 1, 1, 1, 1, 1, 1});
            const std::string solo(1, static_cast<char>(c));
            const bool punto = c == '.';
            b.teclear(P, (enPeticion ? solo : kPeticion) + ":");
            b.teclear(Q, (enPeticion ? kPregunta : solo) + "?");
            const EstadoSesion& e = b.e();
            ASSERT_TRUE(fuzz::rotulosPlanos().contains(e.NombreAlma));
            ASSERT_FALSE(e.Respuesta.empty());
            // A lone full stop in the petition opens a capture that catches nothing.
            if (enPeticion && punto) {
                EXPECT_EQ(e.Respuesta, ".");
            } else {
                EXPECT_TRUE(fuzz::pareceTextoPlano(e.Respuesta)) << e.Respuesta;
            }
        }
    }
}

// On the hidden-answer route hostile keys are shown as they were typed, the
// first with its capital: nothing is deciphered and nothing is cleaned.
TEST(TextoHostil, LaRespuestaOcultaSeMuestraTalCual) {
    Banco b;
    const std::string oculta = "\x0D\x01" + w("ñandú ¿¡ kilo") + "\x7F\xFF";
    b.teclear(P, "." + oculta + ":");
    b.teclear(Q, std::string(10000, 'q') + "?");
    EXPECT_EQ(b.e().Respuesta, oculta + ".");
    EXPECT_EQ(b.respuestaMostrada(), b.e().NombreAlma + oculta + ".");
    EXPECT_EQ(b.e().CantPregTruco, 1);
}

} // namespace
} // namespace auguron
