// The frequent topics: which codes have replies of their own, and the topics
// that remember something from one question to the next.

#include "Apoyo.h"

#include "texts/Ordinarias.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::plano;
using namespace textos;
using namespace std::chrono;

void responder(Banco& b, Entero codigo, const std::vector<int>& tiradas = {}) {
    for (const int t : tiradas) {
        b.azar.tiradas.push_back({t});
    }
    b.v.fncResponderPreguntaFrecuente(codigo);
}

// Every code with a row answers on its topic under its own label, whatever the
// draws; a code without one is an ordinary question under the soul found.
TEST(Frecuentes, LosCodigosConFilaYLosDemas) {
    const Entero conFila[] = {101,  1202, 1002,  104,   7,     307,   607,   6608,  509,   110,  711,
                              413,  4413, 14,    314,   15,    315,   1300,  5300,  5500,  5016, 5616,
                              2003, 305,  4005,  4305,  706,   712,   404,   3304,  807,   1007, 1807,
                              6007, 6807, 10001, 10002, 10003, 10004, 10005, 10006, 10008, 10009};
    for (const Entero codigo : conFila) {
        for (std::uint64_t semilla = 1; semilla <= 30; ++semilla) {
            Banco b(semilla);
            b.e().NombreAlma = AlmasEnteras[2];
            b.v.fncResponderPreguntaFrecuente(codigo);
            const EstadoSesion& e = b.e();
            SCOPED_TRACE("code " + std::to_string(codigo) + ", seed " + std::to_string(semilla));
            ASSERT_EQ(e.CantPregFrecuentes, 1);
            ASSERT_EQ(e.CantOtrasPreguntas, 0);
            ASSERT_NE(e.NombreAlma, AlmasEnteras[2]);
            ASSERT_TRUE(prueba::rotulos().contains(plano(e.NombreAlma)));
            ASSERT_TRUE(prueba::legible(plano(e.Respuesta))) << plano(e.Respuesta);
        }
    }
    for (const Entero codigo : {3, 100, 2500, 6816}) {
        Banco b;
        b.e().NombreAlma = AlmasEnteras[2];
        responder(b, codigo, {12});
        EXPECT_EQ(b.e().CantPregFrecuentes, 0) << codigo;
        EXPECT_EQ(b.e().CantOtrasPreguntas, 1) << codigo;
        EXPECT_EQ(b.e().NombreAlma, AlmasEnteras[2]) << codigo;
        EXPECT_EQ(b.e().Respuesta, RespuestasOrdinarias[8]) << codigo;
    }
}

TEST(Frecuentes, TemasQueSeCansanTrasTresRespuestas) {
    struct Fila {
        Entero codigo;
        int tirada;
        std::string_view texto;
    };
    Banco b; // 2003 counts alone; 305, 4005 and 4305 share a count
    for (const Fila& f :
         {Fila{2003, 1, Tema2003[1]}, Fila{2003, 2, Tema2003[2]}, Fila{2003, 3, Tema2003[3]},
          Fila{2003, 6, TemasRepetidos[6]}, Fila{305, 1, Tema305[1]}, Fila{4005, 2, Tema305[2]},
          Fila{4305, 3, Tema305[3]}, Fila{305, 1, TemasRepetidos[1]}}) {
        responder(b, f.codigo, {f.tirada});
        EXPECT_EQ(plano(b.e().Respuesta), plano(f.texto)) << f.codigo << " / " << f.tirada;
    }
}

// The numbers look ahead to the coming Sunday (a Sunday to the next one), and
// come once a run.
TEST(Frecuentes, NumerosDeLaSemanaUnaVez) {
    const std::string s = plano(Tema712Separador);
    const std::string junio7 = " 26" + s + " 21" + s + " 8" + s + " 7";
    for (const auto& [dia, numeros] : std::vector<std::pair<sys_days, std::string>>{
             {2026y / 6 / 6, junio7},
             {2026y / 5 / 31, junio7},
             {2026y / 2 / 28, " 32" + s + " 11" + s + " 22" + s + " 25"}}) {
        Banco b;
        b.p.dia = dia;
        responder(b, 712, {2});
        EXPECT_EQ(plano(b.e().Respuesta), plano(Tema712[2]) + numeros);
        responder(b, 712, {3});
        EXPECT_EQ(b.e().Respuesta, Tema712YaDados[3]);
        responder(b, 712, {4, 2});
        EXPECT_EQ(b.e().Respuesta, TemasRepetidos[2]);
    }
}

TEST(Frecuentes, LaHora) {
    for (const auto& [segundos, hora] : std::vector<std::pair<double, std::string>>{
             {9 * 3600 + 5 * 60 + 59.9, "9:05"}, {14 * 3600 + 30 * 60, "14:30"}, {0.5, "0:00"}}) {
        Banco b;
        b.p.segundos = segundos;
        responder(b, 10001, {2});
        EXPECT_EQ(plano(b.e().Respuesta), plano(Tema10001Entrada) + hora);
    }
}

TEST(Frecuentes, LaFechaPorEtapas) {
    Banco b;
    responder(b, 10002, {3});
    EXPECT_EQ(plano(b.e().Respuesta),
              plano(Tema10002AntesFecha) + "domingo, 6 de diciembre de 2026" + plano(Tema10002DespuesFecha));
    responder(b, 10002, {1});
    EXPECT_EQ(b.e().Respuesta, std::string_view(Tema10002Etapa0));
    responder(b, 10002);
    EXPECT_EQ(b.e().NombreAlma, std::string_view(EtiquetaC));
    EXPECT_EQ(b.e().Respuesta, std::string_view(Tema10002Etapa1));
    responder(b, 10002, {2});
    EXPECT_EQ(b.e().NombreAlma, std::string_view(NombreAlmaPorDefecto));
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa2[2]);
    responder(b, 10002, {3});
    EXPECT_EQ(b.e().NombreAlma, std::string_view(EtiquetaD));
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa2[3]);
}

TEST(Dialogos, SinCajasLaPrimeraVezYSiempreNoHastaLaVeinticinco) {
    Banco b;
    responder(b, 404, {3});
    EXPECT_EQ(b.e().Respuesta, Tema404Primera[3]);
    EXPECT_TRUE(b.p.cajas.empty());
    for (int visita = 2; visita <= 25; ++visita) {
        b.p.respuestas = {Boton::No};
        responder(b, visita % 2 ? 404 : 3304, {2});
        ASSERT_EQ(b.p.cajas.size(), static_cast<std::size_t>(visita - 1));
        EXPECT_EQ(b.p.cajas.back().botones, Botones::SiNo);
        EXPECT_EQ(b.e().Respuesta, Tema404NoQuiere[2]);
    }
    responder(b, 404, {1});
    EXPECT_EQ(b.p.cajas.size(), 24u);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[1]);
}

TEST(Dialogos, LaVentaYLaOracion) {
    struct Fila {
        std::deque<Boton> botones;
        std::vector<int> tiradas;
        std::string_view texto;
        Entero visitas = 6;
    };
    for (const Fila& f : {Fila{{Boton::Si, Boton::No}, {2}, Tema404NoVende[1]},
                          Fila{{Boton::Si, Boton::No}, {3}, Tema404NoVende[2]},
                          Fila{{Boton::Si, Boton::No}, {5}, Tema404NoVende[4]},
                          Fila{{Boton::Si, Boton::Si, Boton::Cancelar}, {1}, Tema404NoReza[1]},
                          Fila{{Boton::Si, Boton::Si, Boton::Cancelar}, {4}, Tema404NoReza[3]},
                          Fila{{Boton::Si, Boton::Si, Boton::Aceptar}, {}, Tema404Reza, 26}}) {
        Banco b;
        b.e().CantTema404 = 5;
        b.p.respuestas = f.botones;
        responder(b, 404, f.tiradas);
        EXPECT_EQ(b.e().Respuesta, f.texto);
        EXPECT_EQ(b.e().CantTema404, f.visitas);
        EXPECT_TRUE(b.p.respuestas.empty()) << "every box asked";
        EXPECT_TRUE(b.azar.tiradas.empty());
    }
    // Once the prayer is read the topic is closed: no more boxes.
    Banco b;
    b.e().CantTema404 = 26;
    responder(b, 3304, {4});
    EXPECT_TRUE(b.p.cajas.empty());
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[4]);
}

TEST(Grupo807, ElRangoSeAmpliaTrasLaPrimeraRespuestaDeTresPiezas) {
    Banco b;
    responder(b, 807, {8, 5});
    EXPECT_EQ(b.e().Respuesta, Tema807Breves[5]);
    b.azar.tiradas = {{6, 8}, {2, 4}, {1, 2}, {4, 4}};
    b.v.fncResponderPreguntaFrecuente(1807);
    EXPECT_EQ(b.e().Respuesta, std::string(Tema807Medios[1]) + std::string(Tema807Cierres[4]))
        << "an opening drawn 1 or 2 is empty";
    b.azar.tiradas = {{7, 12}, {4, 4}, {2, 2}, {1, 4}};
    b.v.fncResponderPreguntaFrecuente(6007);
    EXPECT_EQ(b.e().Respuesta, std::string(Tema807Aperturas[2]) + std::string(Tema807Medios[2]) +
                                   std::string(Tema807Cierres[1]));
    b.azar.tiradas = {{2, 12}};
    b.v.fncResponderPreguntaFrecuente(1007);
    EXPECT_EQ(b.e().Respuesta, Tema807Simples[2]);
}

// The suspense: forty dots, the label alone, then the final reply; ticks that
// come after a new question cleared the petition change nothing.
TEST(Grupo807, SuspensoConSuEstadoYSuFinal) {
    Banco b;
    b.e().RangoExtraTema807 = 4;
    b.caja(Control::txtPeticion) = "Velmo:";
    b.azar.tiradas = {{11, 12}, {2, 3}};
    b.v.fncResponderPreguntaFrecuente(6807);
    const std::string s = plano(Tema807Separador);
    EXPECT_EQ(plano(b.e().Respuesta), plano(Tema807PiezasA[2]) + s + plano(Tema807PiezasB[2]) + s +
                                          plano(Tema807PiezasC[2]) + s + plano(Tema807Cola));
    EXPECT_EQ(b.caja(Control::lblInfo), plano(Tema807Estados[2]));
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 250);

    // As the reveal leaves it: label and reply deciphered.
    const std::string rotulo = plano(b.e().NombreAlma);
    b.e().NombreAlma = rotulo;
    b.e().Respuesta = "Uno.";
    for (int i = 0; i < 40; ++i) {
        b.v.tmrSuspenso_Timer();
    }
    EXPECT_EQ(b.mostrada(), rotulo + "Uno." + std::string(40, '.'));
    for (int i = 41; i <= 42; ++i) {
        b.v.tmrSuspenso_Timer();
        EXPECT_EQ(b.mostrada(), rotulo) << "tick " << i;
    }
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(b.mostrada(), plano(NombreAlmaPorDefecto) + plano(Tema807Finales[2]));
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_EQ(b.e().CantPregFrecuentes, 2) << "the final reply counts again";

    b.caja(Control::txtPeticion).clear();
    b.v.tmrSuspenso_Timer();
    EXPECT_EQ(b.mostrada(), plano(NombreAlmaPorDefecto) + plano(Tema807Finales[2]));
}

TEST(Tema10006, SuspensoInterrumpidoFinalYRepeticion) {
    Banco b;
    responder(b, 10006, {2});
    EXPECT_EQ(b.e().Respuesta, Tema10006Primeras[2]);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 200);
    EXPECT_EQ(b.e().TemaSuspenso, 10006);

    // A new question before the end stops it: it starts over.
    b.azar.poner({2});
    b.v.fncInicializar();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    responder(b, 10006, {1});
    EXPECT_EQ(b.e().Respuesta, Tema10006Primeras[1]);
    EXPECT_FALSE(b.e().YaTema10006);

    responder(b, 10006, {3}); // what the last tick calls
    EXPECT_EQ(b.e().Respuesta, Tema10006Finales[2]);
    EXPECT_TRUE(b.e().YaTema10006);
    responder(b, 10006, {5});
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[5]);
}

TEST(Tema10007, ElComandoAbreLasEstadisticasSinContarse) {
    Banco b;
    b.e().CantPregFrecuentes = 3;
    b.caja(Control::txtPregunta) = "estadisticas";
    b.v.fncResponderPreguntaFrecuente(10007);
    EXPECT_EQ(b.e().CantPregFrecuentes, 3);
    EXPECT_EQ(b.e().Respuesta, std::string_view(Tema10007));
    EXPECT_EQ(b.caja(Control::txtPregunta), "");
    EXPECT_FALSE(b.p.habilitado(Control::cmdNuevaPregunta));
    EXPECT_EQ(b.p.estadisticasMostradas, 1);
}

} // namespace
} // namespace auguron
