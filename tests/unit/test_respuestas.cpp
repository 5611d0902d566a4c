// The frequent topics: which codes have replies of their own, and the topics
// that remember something from one question to the next.

#include "ConBanco.h"
#include "Rotulos.h"

#include "texts/TextosRespaldo.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace auguron {
namespace {

class Frecuentes : public prueba::ConBanco {};
class Suspenso : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using namespace textos;
using namespace std::chrono;

// Every code with a row answers on its topic under its own label, whatever the
// draws; a code without one (0 too, which no empty place of a row may match)
// is an ordinary question under the soul found.
TEST_F(Frecuentes, LosCodigosConFilaYLosDemas) {
    const Entero conFila[] = {101,  1202, 1002,  104,   7,     307,   607,   6608,  509,   110,  711,
                              413,  4413, 14,    314,   15,    315,   1300,  5300,  5500,  5016, 5616,
                              2003, 305,  4005,  4305,  706,   712,   404,   3304,  807,   1007, 1807,
                              6007, 6807, 10001, 10002, 10003, 10004, 10005, 10006, 10008, 10009};
    for (const Entero codigo : conFila) {
        for (std::uint64_t semilla = 1; semilla <= 30; ++semilla) {
            Banco& b = banco(semilla);
            b.e().NombreAlma = AlmasEnteras[2];
            b.v.frecuentes().fncResponderPreguntaFrecuente(codigo);
            const EstadoSesion& e = b.e();
            SCOPED_TRACE("code " + std::to_string(codigo) + ", seed " + std::to_string(semilla));
            ASSERT_EQ(e.CantPregFrecuentes - e.CantOtrasPreguntas, 1);
            ASSERT_NE(e.NombreAlma, AlmasEnteras[2]);
            ASSERT_TRUE(prueba::rotulos().contains(plano(e.NombreAlma)));
            ASSERT_TRUE(prueba::legible(plano(e.Respuesta))) << plano(e.Respuesta);
        }
    }
    for (const Entero codigo : {0, 3, 100, 2500, 6816}) {
        Banco& b = banco();
        b.e().NombreAlma = AlmasEnteras[2];
        b.azar.poner({12});
        b.v.frecuentes().fncResponderPreguntaFrecuente(codigo);
        EXPECT_EQ(b.e().CantPregFrecuentes - b.e().CantOtrasPreguntas, -1) << codigo;
        EXPECT_EQ(b.e().NombreAlma, AlmasEnteras[2]) << codigo;
        EXPECT_EQ(b.e().Respuesta, RespuestasOrdinarias[8]) << codigo;
    }
}

// One question after another in one run: its draws and box answers, the reply
// and the label it comes under. A box not scripted fails the step.
struct Paso {
    Entero codigo;
    std::vector<int> tiradas;
    std::string respuesta; // plain
    std::string_view rotulo = NombreAlmaPorDefecto;
    std::deque<Boton> botones = {};
};

struct Recorrido {
    const char* nombre;
    std::vector<Paso> pasos;
    sys_days dia = 2026y / 6 / 6; // a Saturday
    Entero visitas404 = 0;
};

TEST_F(Frecuentes, LosTemasQueRecuerdan) {
    const auto t = [](std::string_view cifrado) { return plano(cifrado); };
    const std::string s = t(Tema712Separador), e = t(Tema807Separador);
    const std::string junio7 = " 26" + s + " 21" + s + " 8" + s + " 7"; // the numbers of Sunday the 7th
    const std::vector<Recorrido> recorridos = {
        // 2003 counts alone; 305, 4005 and 4305 share a count.
        {"tres_y_se_cansan",
         {{2003, {1}, t(Tema2003[1])},
          {2003, {2}, t(Tema2003[2])},
          {2003, {3}, t(Tema2003[3])},
          {2003, {6}, t(TemasRepetidos[6])},
          {305, {1}, t(Tema305[1])},
          {4005, {2}, t(Tema305[2])},
          {4305, {3}, t(Tema305[3])},
          {305, {1}, t(TemasRepetidos[1])}}},
        {"numeros_una_vez",
         {{712, {2}, t(Tema712[2]) + junio7},
          {712, {3}, t(Tema712YaDados[3])},
          {712, {4, 2}, t(TemasRepetidos[2])}}},
        {"numeros_desde_un_domingo", {{712, {3}, t(Tema712[3]) + junio7, EtiquetaA}}, 2026y / 5 / 31},
        {"numeros_a_fin_de_mes",
         {{712, {1}, t(Tema712[1]) + " 32" + s + " 11" + s + " 22" + s + " 25"}},
         2026y / 2 / 28},
        {"la_hora", {{10001, {2}, t(Tema10001Entrada) + "12:00"}, {10001, {5}, t(Tema10001[3])}}},
        {"la_fecha_por_etapas",
         {{10002,
           {3},
           t(Tema10002AntesFecha) + prueba::w("sábado, 6 de junio de 2026") + t(Tema10002DespuesFecha)},
          {10002, {1}, t(Tema10002Etapa0)},
          {10002, {}, t(Tema10002Etapa1), EtiquetaC},
          {10002, {2}, t(Tema10002Etapa2[2])},
          {10002, {3}, t(Tema10002Etapa2[3]), EtiquetaD}}},
        // No boxes the first time; then up to three, until the prayer is read.
        {"la_oferta",
         {{404, {3}, t(Tema404Primera[3])},
          {3304, {2}, t(Tema404NoQuiere[2]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {2}, t(Tema404NoVende[1]), NombreAlmaPorDefecto, {Boton::Si, Boton::No}},
          {404, {5}, t(Tema404NoVende[4]), NombreAlmaPorDefecto, {Boton::Si, Boton::No}},
          {404, {4}, t(Tema404NoReza[3]), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Cancelar}},
          {3304, {}, t(Tema404Reza), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Aceptar}},
          {404, {4}, t(TemasRepetidos[4])}}},
        {"la_oferta_hasta_la_visita_25",
         {{404, {1}, t(Tema404NoQuiere[1]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {1}, t(TemasRepetidos[1])}},
         2026y / 6 / 6,
         24},
        // The three-piece reply opens two more values of the draw, the suspense.
        {"el_grupo_807",
         {{807, {8, 5}, t(Tema807Breves[5])},
          {1807, {6, 2, 1, 4}, t(Tema807Medios[1]) + t(Tema807Cierres[4])},
          {6007, {7, 4, 2, 1}, t(Tema807Aperturas[2]) + t(Tema807Medios[2]) + t(Tema807Cierres[1])},
          {1007, {2}, t(Tema807Simples[2])},
          {6807,
           {11, 1},
           t(Tema807PiezasA[1]) + e + t(Tema807PiezasB[1]) + e + t(Tema807PiezasC[1]) + e + t(Tema807Cola)}}},
    };
    for (const Recorrido& r : recorridos) {
        Banco& b = banco();
        b.p.dia = r.dia;
        b.e().CantTema404 = r.visitas404;
        for (const Paso& p : r.pasos) {
            SCOPED_TRACE(std::string(r.nombre) + ", code " + std::to_string(p.codigo));
            b.p.respuestas = p.botones;
            for (const int n : p.tiradas) {
                b.azar.tiradas.push_back({n});
            }
            b.v.frecuentes().fncResponderPreguntaFrecuente(p.codigo);
            EXPECT_EQ(plano(b.e().Respuesta), p.respuesta);
            EXPECT_EQ(b.e().NombreAlma, p.rotulo);
        }
    }
}

// Both suspense answers, every variant: the first reply as the reveal leaves
// it, forty dots after it, the label alone, then the final reply, which nothing
// finishes. Every stage reads as a sentence; ticks that come after a new
// question cleared the petition change nothing.
TEST_F(Suspenso, CadaEtapaSeLeeComoUnaFrase) {
    const std::string etiqueta = plano(NombreAlmaPorDefecto);
    const auto frase = [&](const std::string& r) {
        const auto primera = static_cast<unsigned char>(r.at(etiqueta.size()));
        EXPECT_TRUE(ansi::mayuscula(primera) == primera && ansi::minuscula(primera) != primera) << r;
        EXPECT_TRUE(r.ends_with(".") || r.ends_with("?")) << r;
        EXPECT_EQ(r.find(".."), r.find("...")) << "two dots: " << r;
    };
    for (int v = 1; v <= 3; ++v) {
        for (const Entero tema : {10006, 807}) {
            Banco& b = banco();
            b.e().RangoExtraTema807 = 4;
            b.caja(Control::txtPeticion) = "Velmo:";
            tema == 807 ? b.azar.poner({10, v}) : b.azar.poner({v, v});
            b.v.frecuentes().fncResponderPreguntaFrecuente(tema);
            EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), tema == 807 ? 250 : 200);
            const std::string estado =
                tema == 807 ? plano(Tema807Estados[v]) : std::string(textos::kBuscandoVagulantes);
            EXPECT_EQ(b.caja(Control::lblInfo), estado);
            b.v.revelar();
            const std::string primera = b.mostrada();
            frase(primera);
            for (int tic = 1; tic <= 43; ++tic) {
                b.v.tmrSuspenso_Timer();
                if (tic == 40 || tic == 41) {
                    EXPECT_EQ(b.mostrada(), tic == 40 ? primera + std::string(40, '.') : etiqueta);
                }
            }
            frase(b.mostrada());
            EXPECT_EQ(b.mostrada(), etiqueta + plano(tema == 807 ? Tema807Finales[v] : b.e().Respuesta));
            EXPECT_EQ(b.caja(Control::lblInfo), tema == 807 ? "" : estado) << "807 clears its status";
            EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
            EXPECT_EQ(b.e().CantPregFrecuentes, 2) << "the final reply counts again";
            b.caja(Control::txtPeticion).clear();
            b.v.tmrSuspenso_Timer();
            EXPECT_EQ(b.e().PasoSuspenso, 43);
        }
    }
}

// A new question stops the suspense of 10006, which then starts over; once its
// final reply came, the topic is a repeated one.
TEST_F(Suspenso, ElDe10006SeInterrumpeYTerminaUnaVez) {
    Banco& b = banco();
    b.azar.poner({2, 2, 1, 3, 5});
    b.v.frecuentes().fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 200);
    b.v.fncInicializar();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    for (const std::string_view texto : {Tema10006Primeras[1], Tema10006Finales[2], TemasRepetidos[5]}) {
        b.v.frecuentes().fncResponderPreguntaFrecuente(10006);
        EXPECT_EQ(b.e().Respuesta, texto);
    }
}

} // namespace
} // namespace auguron
