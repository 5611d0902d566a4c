#include "Apoyo.h"

#include "texts/Almas.h"
#include "texts/Ordinarias.h"

#include <gtest/gtest.h>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::plano;
using prueba::w;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;
constexpr std::string_view kPeticion = "Velmo, favor de responder:";
const std::string kDefecto = plano(textos::NombreAlmaPorDefecto);

TEST(Pregunta, LargoYMayusculaInicial) {
    Banco b;
    b.teclear(P, "velmo:");
    b.teclear(Q, w("ésto"));
    EXPECT_EQ(b.caja(Q), w("Ésto"));
    EXPECT_EQ(b.e().LargoPregunta, 4);
    Banco c;
    c.tecla(Q, 8); // nothing to erase: the count stays at 0
    EXPECT_EQ(c.e().LargoPregunta, 0);
    c.teclear(Q, "a");
    c.tecla(Q, 8);
    c.teclear(Q, "b");
    EXPECT_EQ(c.caja(Q), "B") << "after one key and one Backspace the next key is a capital again";
    Banco d;
    d.teclear(Q, "ab");
    d.tecla(Q, 8);
    d.teclear(Q, "c");
    EXPECT_EQ(d.caja(Q), "Ac") << "the count follows key presses, not characters";
}

TEST(Pregunta, ElTrucoSeRevelaConMayusculaYPunto) {
    Banco b;
    b.teclear(P, w(".sí, claro.r de responder esta pregunta:"));
    EXPECT_EQ(b.caja(P), "Velmo, favor de responder esta pregunta:");
    b.teclear(Q, "me ira bien");
    b.p.foco = Q;
    b.teclear(Q, "?");
    EXPECT_EQ(b.respuestaMostrada(), kDefecto + w("Sí, claro."));
    EXPECT_EQ(b.e().CantPregTruco, 1);
    EXPECT_EQ(b.e().PreguntasSinTruco, 0);
    EXPECT_FALSE(b.p.habilitado(P));
    EXPECT_FALSE(b.p.habilitado(Q));
    EXPECT_EQ(b.caja(Q), "Me ira bien?");
    EXPECT_EQ(b.p.foco, Control::cmdFocus);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrFocus), 2000);
    EXPECT_TRUE(b.p.activo(Temporizador::tmrFocus));
    EXPECT_TRUE(b.azar.pedidos.empty());
}

TEST(Pregunta, RespuestaOcultaConLaPeticionCorta) {
    Banco b;
    b.teclear(P, ".simo, favor de responder:");
    EXPECT_EQ(b.caja(P), kPeticion);
    b.teclear(Q, "lloverá mañana?");
    EXPECT_EQ(b.respuestaMostrada(), kDefecto + "Si.");
    EXPECT_EQ(b.e().NombreAlma, kDefecto) << "the label stays deciphered";

    Banco c;
    c.teclear(P, ".no.o, favor de responder:");
    c.teclear(Q, "?");
    EXPECT_EQ(c.respuestaMostrada(), kDefecto + "No.");

    // A hidden answer ending in "?" gets no full stop; an empty one shows ".".
    Banco d;
    d.teclear(P, w(".y tú?.favor de responder:"));
    d.teclear(Q, "a?");
    EXPECT_EQ(d.respuestaMostrada(), kDefecto + w("Y tú?"));
    Banco f;
    f.teclear(P, "..o, favor de responder:");
    f.teclear(Q, "a?");
    EXPECT_EQ(f.respuestaMostrada(), kDefecto + ".");
}

TEST(Pregunta, PeticionCoherenteConCincoFragmentos) {
    struct Caso {
        std::string_view peticion;
        bool coherente;
    };
    for (const Caso c : {Caso{"Velmo, favor:", false}, Caso{"Velmo, favor de:", true},
                         Caso{"VELMO, FAVOR DE RESPONDER:", true}, Caso{"hola:", false}, Caso{":", false}}) {
        Banco b;
        b.azar.poner({1});
        b.teclear(P, c.peticion);
        b.teclear(Q, "esto es una pregunta?");
        EXPECT_EQ(b.e().CantPeticionesIncoherentes, c.coherente ? 0 : 1) << c.peticion;
        EXPECT_EQ(b.e().CantOtrasPreguntas, c.coherente ? 1 : 0) << c.peticion;
        EXPECT_EQ(b.e().CantPregNoValidas, c.coherente ? 0 : 1) << c.peticion;
        EXPECT_EQ(b.e().PreguntasSinTruco, 1);
    }
}

TEST(Pregunta, ComprobacionesDeLaPregunta) {
    struct Caso {
        std::string_view pregunta;
        bool coherente;
    };
    // The question keywords (whatever their wording) override the three
    // tests; these rows avoid every one of them by using nonsense.
    for (const Caso c : {Caso{"", false}, Caso{"ab cd ef", false}, Caso{"ab cd efg", true},
                         Caso{"abcdefghijklm", false}, Caso{"brrrrr es ya", false},
                         Caso{"rhythm es ya", false}, Caso{"psst es ya", true}, Caso{"bb yy ww xa", true}}) {
        Banco b;
        b.azar.poner({10});
        b.teclear(P, kPeticion);
        b.teclear(Q, c.pregunta);
        b.teclear(Q, "?");
        EXPECT_EQ(b.e().CantPregNoValidas, c.coherente ? 0 : 1) << c.pregunta;
        EXPECT_EQ(b.e().CantOtrasPreguntas, c.coherente ? 1 : 0) << c.pregunta;
    }
}

TEST(Pregunta, UnaPalabraDePreguntaLaHaceCoherente) {
    for (const std::string_view clave : textos::PalabrasDePregunta) {
        const std::string palabra = plano(clave);
        // The keyword alone, without its blanks, as a one-word question.
        std::string pregunta = palabra;
        while (!pregunta.empty() && pregunta.front() == ' ') {
            pregunta.erase(0, 1);
        }
        while (!pregunta.empty() && pregunta.back() == ' ') {
            pregunta.pop_back();
        }
        Banco b;
        b.azar.poner({10, 1, 1, 1, 1, 1, 1});
        b.teclear(P, kPeticion);
        b.teclear(Q, pregunta);
        b.teclear(Q, "?");
        EXPECT_EQ(b.e().CantPregNoValidas, 0) << palabra;
    }
}

TEST(Pregunta, CadaCasoDeIncoherenciaTieneSuResponsable) {
    Banco b;
    b.azar.tiradas = {{3, 11}};
    b.preguntar(kPeticion, "zz");
    EXPECT_EQ(b.respuestaMostrada().substr(kDefecto.size()), [] {
        std::string r = plano(textos::RespuestasPreguntaMala[3]);
        r[0] = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(r[0])));
        return r.back() == '.' || r.back() == '?' ? r : r + ".";
    }());
    EXPECT_EQ(b.e().CantPregNoValidas, 1);

    Banco c;
    c.azar.tiradas = {{2, 5}};
    c.preguntar("hola", "esto es una pregunta");
    EXPECT_EQ(c.e().CantPeticionesIncoherentes, 1);
    EXPECT_NE(c.respuestaMostrada().find(plano(textos::RespuestasPeticionMala[2]).substr(1)),
              std::string::npos);

    Banco d;
    d.azar.tiradas = {{14, 14}};
    d.preguntar("hola", "zz");
    EXPECT_NE(d.respuestaMostrada().find(plano(textos::RespuestasPetYPregMalas[13]).substr(1)),
              std::string::npos);
    EXPECT_EQ(d.e().CantPeticionesIncoherentes, 0);
    EXPECT_EQ(d.e().CantPregNoValidas, 1);
    EXPECT_EQ(d.e().PreguntasSinTruco, 1);
}

TEST(Pregunta, SinBotonNuevaPreguntaElFocoNoSeMueve) {
    Banco b;
    b.p.habilitar(Control::cmdNuevaPregunta, false);
    b.azar.poner({10});
    b.teclear(P, kPeticion);
    b.teclear(Q, "esto es una pregunta?");
    EXPECT_EQ(b.p.foco, Q);
    EXPECT_FALSE(b.p.temporizadorHabilitado(Temporizador::tmrFocus));
}

TEST(Pregunta, NormalizacionDeLaPregunta) {
    struct Caso {
        std::string_view entrada;
        std::string_view normal;
        Entero palabras;
        Entero consonantes;
    };
    for (const Caso c :
         {Caso{"Kilo", " quilo ", 1, 1}, Caso{"kkk", " quququ ", 1, 1},
          Caso{"¿Cuándo llegarás", " ¿cuando llegaras ", 2, 2}, Caso{"psst hmm", " psst hmm ", 2, 4},
          Caso{"brrrrr ok", " brrrrr oqu ", 2, 6}, Caso{"ÁRBOL", " arbol ", 1, 2},
          Caso{"rhythm", " rhythm ", 1, 6}, Caso{"dos  palabras", " dos  palabras ", 3, 2},
          Caso{"", "  ", 1, 0}, Caso{"  ÑÜÉ  ", "   ñüe   ", 5, 1}, Caso{"Ñandú", " ñandu ", 1, 2}}) {
        Banco b;
        std::string cadena = w(c.entrada);
        const std::string cifrada = b.v.fncGeneralizar(cadena);
        EXPECT_EQ(cadena, w(c.normal)) << c.entrada;
        EXPECT_EQ(plano(cifrada), w(c.normal)) << c.entrada;
        EXPECT_EQ(b.e().CantPalabras, c.palabras) << c.entrada;
        EXPECT_EQ(b.e().MaxConsonantes, c.consonantes) << c.entrada;
    }
    // The longest run only grows between two resets.
    Banco b;
    std::string uno = "brrrrr";
    b.v.fncGeneralizar(uno);
    std::string dos = "ab";
    b.v.fncGeneralizar(dos);
    EXPECT_EQ(b.e().MaxConsonantes, 6);
}

TEST(Suspenso, PuntosEtiquetaSolaYRespuestaFinal) {
    Banco b;
    EstadoSesion& e = b.e();
    // As the reveal leaves a two-stage answer of the meaning-of-life question.
    b.caja(P) = "Velmo, favor de responder:";
    e.NombreAlma = kDefecto;
    e.Respuesta = "Un momento.";
    e.SuspensoActivo = true;
    e.TemaSuspenso = 10006;
    e.PasoSuspenso = 0;
    b.p.fijarIntervalo(Temporizador::tmrSuspenso, 200);
    for (int i = 1; i <= 40; ++i) {
        b.v.tmrSuspenso_Timer();
    }
    EXPECT_EQ(b.respuestaMostrada(), kDefecto + "Un momento." + std::string(40, '.'));
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(b.respuestaMostrada(), kDefecto);
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(b.respuestaMostrada(), kDefecto);
    EXPECT_EQ(e.PasoSuspenso, 42);
    b.azar.poner({1});
    const Entero frecuentes = e.CantPregFrecuentes;
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_TRUE(e.YaTema10006);
    EXPECT_EQ(e.CantPregFrecuentes, frecuentes + 1);
    EXPECT_EQ(b.respuestaMostrada(), plano(e.NombreAlma) + plano(e.Respuesta));
    EXPECT_EQ(e.NombreAlma, textos::NombreAlmaPorDefecto) << "the fields stay enciphered";

    // A tick after the reset cleared the petition box changes nothing at all.
    b.caja(P).clear();
    b.caja(Control::lblRespuesta) = "x";
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(e.PasoSuspenso, 43);
    EXPECT_EQ(b.respuestaMostrada(), "x");
}

} // namespace
} // namespace auguron
