#include "Apoyo.h"

#include "texts/Almas.h"
#include "texts/Frecuentes.h"
#include "texts/Ordinarias.h"

#include <gtest/gtest.h>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::plano;
using prueba::w;
using namespace textos;
using namespace std::chrono;

TEST(Respaldo, OrdinariasConSusPesos) {
    struct Caso {
        int tirada;
        int respuesta;
    };
    for (const Caso c : {Caso{1, 1}, Caso{2, 1}, Caso{3, 2}, Caso{8, 4}, Caso{9, 5}, Caso{30, 26},
                         Caso{36, 32}, Caso{49, 45}}) {
        Banco b;
        b.azar.tiradas = {{c.tirada, 49}};
        b.v.fncResponderPreguntaOrdinaria();
        EXPECT_EQ(b.e().Respuesta, RespuestasOrdinarias[c.respuesta]) << c.tirada;
        EXPECT_EQ(b.e().CantOtrasPreguntas, 1);
    }
}

TEST(Respaldo, PeticionIncoherenteSeAmpliaDesdeLaQuinta) {
    Banco b;
    b.e().CantPeticionesIncoherentes = 3;
    b.azar.tiradas = {{5, 5}};
    b.v.fncResponderPeticionIncoherente();
    EXPECT_EQ(b.e().Respuesta, RespuestasPeticionMala[5]);
    b.e().CantPeticionesIncoherentes = 4;
    struct Caso {
        int tirada;
        std::string_view texto;
    };
    for (const Caso c : {Caso{6, RespuestasPeticionMala[6]}, Caso{7, RespuestasPeticionMala[6]},
                         Caso{9, RespuestasPeticionMala[7]}, Caso{11, RespuestasPeticionMala[8]}}) {
        b.azar.tiradas = {{c.tirada, 15}};
        b.v.fncResponderPeticionIncoherente();
        EXPECT_EQ(b.e().Respuesta, c.texto) << c.tirada;
    }
    b.azar.tiradas = {{12, 15}, {14, 14}};
    b.v.fncResponderPeticionIncoherente();
    EXPECT_EQ(b.e().Respuesta, RespuestasPetYPregMalas[13]);
    b.azar.tiradas = {{11, 11}};
    b.v.fncResponderPreguntaIncoherente();
    EXPECT_EQ(b.e().Respuesta, RespuestasPreguntaMala[11]);
    EXPECT_EQ(b.e().CantOtrasPreguntas, 0);
}

TEST(Frecuentes, CodigoSinFilaEsUnaPreguntaOrdinaria) {
    for (const Entero codigo : {3, 100, 2500, 6816}) {
        Banco b;
        b.e().NombreAlma = AlmasEnteras[2];
        b.e().CantPregFrecuentes = 7;
        b.azar.tiradas = {{12, 49}};
        b.v.fncResponderPreguntaFrecuente(codigo);
        EXPECT_EQ(b.e().CantPregFrecuentes, 7);
        EXPECT_EQ(b.e().CantOtrasPreguntas, 1);
        EXPECT_EQ(b.e().NombreAlma, AlmasEnteras[2]) << "the soul found keeps answering";
        EXPECT_EQ(b.e().Respuesta, RespuestasOrdinarias[8]);
    }
}

TEST(Frecuentes, RespuestasSimplesPorTirada) {
    struct Caso {
        Entero codigo;
        int intervalo;
        int tirada;
        std::string_view texto;
    };
    const std::vector<Caso> casos = {
        {101, 4, 4, Tema101[4]},
        {1202, 3, 1, Tema1202[1]},
        {1002, 3, 3, Tema1002[3]},
        {307, 6, 5, Tema7[5]},
        {607, 6, 6, Tema7[6]},
        {6608, 5, 1, RespuestasOrdinarias[32]},
        {6608, 5, 4, RespuestasOrdinarias[26]},
        {6608, 5, 3, Tema6608[3]},
        {509, 3, 3, Tema509},
        {110, 3, 2, Tema110[2]},
        {711, 2, 2, Tema711[2]},
        {4413, 2, 1, Tema413[1]},
        {314, 2, 2, Tema14[2]},
        {15, 2, 1, Tema15[1]},
        {1300, 3, 3, Tema1300[3]},
        {5300, 2, 2, Tema5300[2]},
        {5500, 5, 4, Tema5500[4]},
        {10003, 6, 4, Tema10003[4]},
        {10004, 3, 3, Tema10004[3]},
        {10005, 3, 2, Tema10005[2]},
        {10008, 5, 2, Tema10008[2]},
        {10009, 5, 1, Tema10009[1]},
    };
    for (const Caso& c : casos) {
        Banco b;
        b.e().NombreAlma = AlmasEnteras[1];
        b.azar.tiradas = {{c.tirada, c.intervalo}};
        b.v.fncResponderPreguntaFrecuente(c.codigo);
        EXPECT_EQ(b.e().Respuesta, c.texto) << c.codigo << " / " << c.tirada;
        EXPECT_EQ(b.e().NombreAlma, NombreAlmaPorDefecto) << c.codigo;
        EXPECT_EQ(b.e().CantPregFrecuentes, 1) << c.codigo;
        EXPECT_TRUE(b.azar.tiradas.empty()) << c.codigo;
    }
    // The shared texts are the very same stored bytes.
    EXPECT_EQ(Tema6608[1].data(), RespuestasOrdinarias[32].data());
    EXPECT_EQ(Tema6608[4].data(), RespuestasOrdinarias[26].data());

    Banco b;
    b.v.fncResponderPreguntaFrecuente(104);
    EXPECT_EQ(b.e().Respuesta, Tema104);
    EXPECT_TRUE(b.azar.pedidos.empty()) << "104 always gives the same reply without a draw";
}

TEST(Frecuentes, ObviedadesYDosPartes) {
    for (const auto& [codigo, intervalo, tirada] : std::vector<std::tuple<Entero, int, int>>{
             {509, 3, 2}, {10003, 6, 5}, {10008, 5, 3}, {10009, 5, 5}}) {
        Banco b;
        b.azar.tiradas = {{tirada, intervalo}, {7, 8}};
        b.v.fncResponderPreguntaFrecuente(codigo);
        EXPECT_EQ(b.e().Respuesta, Obviedades[7]) << codigo;
    }
    Banco b;
    b.azar.tiradas = {{4, 4}, {3, 4}};
    b.v.fncResponderPreguntaFrecuente(5616);
    EXPECT_EQ(b.e().Respuesta, std::string(Tema5016Bases[4]) + std::string(Tema5016Finales[3]));
}

TEST(Frecuentes, TemasQueSeCansanTrasTresRespuestas) {
    Banco b;
    for (int i = 1; i <= 3; ++i) {
        b.azar.tiradas = {{i, 3}};
        b.v.fncResponderPreguntaFrecuente(2003);
        EXPECT_EQ(b.e().Respuesta, Tema2003[i]);
    }
    b.azar.tiradas = {{6, 6}};
    b.v.fncResponderPreguntaFrecuente(2003);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[6]);
    EXPECT_EQ(b.e().CantTema2003, 4);

    // 305, 4005 and 4305 share one counter.
    const Entero codigos[] = {305, 4005, 4305};
    for (int i = 0; i < 3; ++i) {
        b.azar.tiradas = {{i + 1, 3}};
        b.v.fncResponderPreguntaFrecuente(codigos[i]);
        EXPECT_EQ(b.e().Respuesta, Tema305[i + 1]);
    }
    b.azar.tiradas = {{1, 6}};
    b.v.fncResponderPreguntaFrecuente(305);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[1]);
    EXPECT_EQ(b.e().CantTema305, 4);
    EXPECT_EQ(b.e().CantTema2003, 4);
}

TEST(Frecuentes, DigitoDelDia) {
    struct Caso {
        unsigned dia;
        int tirada;
        std::string_view etiqueta;
        int fila;
        char digito;
    };
    for (const Caso c :
         {Caso{7, 1, EtiquetaA, 1, '4'}, Caso{31, 2, EtiquetaB, 2, '0'}, Caso{31, 3, EtiquetaB, 2, '0'},
          Caso{7, 4, NombreAlmaPorDefecto, 3, '4'}, Caso{1, 5, NombreAlmaPorDefecto, 4, '2'}}) {
        Banco b;
        b.p.dia = sys_days{year{2026} / 3 / c.dia};
        b.azar.tiradas = {{c.tirada, 5}};
        b.v.fncResponderPreguntaFrecuente(706);
        EXPECT_EQ(b.e().NombreAlma, c.etiqueta);
        EXPECT_EQ(plano(b.e().Respuesta),
                  plano(Tema706Primeros[c.fila]) + " " + c.digito + plano(Tema706Ultimos[c.fila]));
    }
}

TEST(Frecuentes, NumerosDeLaSemana) {
    struct Caso {
        sys_days hoy;
        std::string numeros;
    };
    const std::string sep = plano(Tema712Separador);
    // Saturday 2026-06-06 and Sunday 2026-05-31 both look ahead to Sunday the
    // 7th; Saturday 2026-02-28 and Sunday 2026-02-22 to Sunday March 1st.
    const auto n = [&](int a, int b2, int c, int d) {
        return " " + std::to_string(a) + sep + " " + std::to_string(b2) + sep + " " + std::to_string(c) +
               sep + " " + std::to_string(d);
    };
    for (const Caso& c : {Caso{sys_days{year{2026} / 6 / 6}, n(26, 21, 8, 7)},
                          Caso{sys_days{year{2026} / 5 / 31}, n(26, 21, 8, 7)},
                          Caso{sys_days{year{2026} / 2 / 28}, n(32, 11, 22, 25)},
                          Caso{sys_days{year{2026} / 2 / 22}, n(32, 11, 22, 25)}}) {
        Banco b;
        b.p.dia = c.hoy;
        b.azar.tiradas = {{2, 3}};
        b.v.fncResponderPreguntaFrecuente(712);
        EXPECT_EQ(plano(b.e().Respuesta), plano(Tema712[2]) + c.numeros);
        EXPECT_TRUE(b.e().YaTema712);
        // Asked again in the same run: never numbers again.
        b.azar.tiradas = {{3, 4}};
        b.v.fncResponderPreguntaFrecuente(712);
        EXPECT_EQ(b.e().Respuesta, Tema712YaDados[3]);
        b.azar.tiradas = {{4, 4}, {2, 6}};
        b.v.fncResponderPreguntaFrecuente(712);
        EXPECT_EQ(b.e().Respuesta, TemasRepetidos[2]);
    }
    Banco b;
    b.azar.tiradas = {{3, 3}};
    b.v.fncResponderPreguntaFrecuente(712);
    EXPECT_EQ(b.e().NombreAlma, EtiquetaA);
}

TEST(Frecuentes, LaHora) {
    struct Caso {
        double segundos;
        std::string hora;
    };
    for (const Caso& c : {Caso{9 * 3600 + 5 * 60 + 59.9, "9:05"}, Caso{14 * 3600 + 30 * 60, "14:30"},
                          Caso{0.5, "0:00"}, Caso{23 * 3600 + 59 * 60 + 59, "23:59"}}) {
        Banco b;
        b.p.segundos = c.segundos;
        b.azar.tiradas = {{2, 5}};
        b.v.fncResponderPreguntaFrecuente(10001);
        EXPECT_EQ(plano(b.e().Respuesta), plano(Tema10001Entrada) + c.hora);
    }
    Banco b;
    b.azar.tiradas = {{5, 5}};
    b.v.fncResponderPreguntaFrecuente(10001);
    EXPECT_EQ(b.e().Respuesta, Tema10001[3]);
}

TEST(Frecuentes, LaFechaPorEtapas) {
    Banco b;
    b.p.dia = sys_days{year{2026} / 12 / 6};
    b.azar.tiradas = {{3, 3}};
    b.v.fncResponderPreguntaFrecuente(10002);
    EXPECT_EQ(plano(b.e().Respuesta),
              plano(Tema10002AntesFecha) + "6/12/2026" + plano(Tema10002DespuesFecha));
    EXPECT_EQ(b.e().EtapaTema10002, 0);
    b.azar.tiradas = {{1, 3}};
    b.v.fncResponderPreguntaFrecuente(10002);
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa0);
    EXPECT_EQ(b.e().EtapaTema10002, 1);
    b.v.fncResponderPreguntaFrecuente(10002);
    EXPECT_EQ(b.e().NombreAlma, EtiquetaC);
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa1);
    EXPECT_EQ(b.e().EtapaTema10002, 2);
    b.azar.tiradas = {{2, 3}};
    b.v.fncResponderPreguntaFrecuente(10002);
    EXPECT_EQ(b.e().NombreAlma, NombreAlmaPorDefecto);
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa2[2]);
    b.azar.tiradas = {{3, 3}};
    b.v.fncResponderPreguntaFrecuente(10002);
    EXPECT_EQ(b.e().NombreAlma, EtiquetaD);
    EXPECT_EQ(b.e().Respuesta, Tema10002Etapa2[3]);
    EXPECT_EQ(b.e().EtapaTema10002, 2);
}

TEST(Dialogos, PrimeraVisitaSinCajasLuegoPreguntas) {
    Banco b;
    b.azar.tiradas = {{3, 4}};
    b.v.fncResponderPreguntaFrecuente(404);
    EXPECT_EQ(b.e().Respuesta, Tema404Primera[3]);
    EXPECT_TRUE(b.p.cajas.empty());
    EXPECT_EQ(b.e().CantTema404, 1);

    // The second visit, through the other code, asks first.
    b.p.respuestas = {Boton::No};
    b.azar.tiradas = {{2, 2}};
    b.v.fncResponderPreguntaFrecuente(3304);
    ASSERT_EQ(b.p.cajas.size(), 1u);
    EXPECT_EQ(b.p.cajas[0].texto, w("Velmo pregunta:\r¿Realmente deseas una respuesta?"));
    EXPECT_EQ(b.p.cajas[0].titulo, "Consulta");
    EXPECT_EQ(b.p.cajas[0].botones, Botones::SiNo);
    EXPECT_EQ(b.e().Respuesta, Tema404NoQuiere[2]);
    EXPECT_EQ(b.e().CantTema404, 2);
}

TEST(Dialogos, SiSiAceptarCierraElTema) {
    Banco b;
    b.e().CantTema404 = 1;
    b.p.respuestas = {Boton::Si, Boton::Si, Boton::Aceptar};
    b.v.fncResponderPreguntaFrecuente(404);
    ASSERT_EQ(b.p.cajas.size(), 3u);
    EXPECT_EQ(b.p.cajas[1].texto, w("Velmo ofrece: Si quieres una respuesta debes venderle\r"
                                    "el alma al Diablo. ¿Deseas entregar tu alma a Satán?"));
    EXPECT_EQ(b.p.cajas[1].titulo, "Ofrecimiento");
    EXPECT_EQ(b.p.cajas[2].texto, w("        Lee en voz alta la siguiente oración:        \r"
                                    "               Et ánima mea non requiem,\r"
                                    "                  sae córpore, sae crucis.\r"
                                    "                     Emoc al es olbaid le."));
    EXPECT_EQ(b.p.cajas[2].titulo, w("Oración"));
    EXPECT_EQ(b.p.cajas[2].botones, Botones::AceptarCancelar);
    EXPECT_EQ(b.e().Respuesta, Tema404Reza);
    EXPECT_EQ(b.e().CantTema404, 26);
    EXPECT_TRUE(b.azar.pedidos.empty());
    b.azar.tiradas = {{4, 6}};
    b.v.fncResponderPreguntaFrecuente(3304);
    EXPECT_EQ(b.p.cajas.size(), 3u);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[4]);
}

TEST(Dialogos, RechazosDeLaVentaYDeLaOracion) {
    struct Caso {
        std::deque<Boton> botones;
        int intervalo;
        int tirada;
        std::string_view texto;
    };
    for (const Caso& c : {Caso{{Boton::Si, Boton::No}, 5, 2, Tema404NoVende[1]},
                          Caso{{Boton::Si, Boton::No}, 5, 3, Tema404NoVende[2]},
                          Caso{{Boton::Si, Boton::No}, 5, 5, Tema404NoVende[4]},
                          Caso{{Boton::Si, Boton::Si, Boton::Cancelar}, 4, 1, Tema404NoReza[1]},
                          Caso{{Boton::Si, Boton::Si, Boton::Cancelar}, 4, 4, Tema404NoReza[3]}}) {
        Banco b;
        b.e().CantTema404 = 5;
        b.p.respuestas = c.botones;
        b.azar.tiradas = {{c.tirada, c.intervalo}};
        b.v.fncResponderPreguntaFrecuente(404);
        EXPECT_EQ(b.e().Respuesta, c.texto);
        EXPECT_EQ(b.e().CantTema404, 6);
        EXPECT_TRUE(b.p.respuestas.empty());
    }
}

TEST(Dialogos, SiempreNoHastaLaPreguntaVeintiseis) {
    Banco b;
    for (int pregunta = 1; pregunta <= 27; ++pregunta) {
        const std::size_t antes = b.p.cajas.size();
        if (pregunta == 1) {
            b.azar.poner({1});
        } else if (pregunta <= 25) {
            b.p.respuestas = {Boton::No};
            b.azar.poner({1});
        } else {
            b.azar.poner({1});
        }
        b.v.fncResponderPreguntaFrecuente(pregunta % 2 ? 404 : 3304);
        EXPECT_EQ(b.p.cajas.size() - antes, (pregunta >= 2 && pregunta <= 25) ? 1u : 0u) << pregunta;
        if (pregunta >= 26) {
            EXPECT_EQ(b.e().Respuesta, TemasRepetidos[1]);
        }
    }
    EXPECT_EQ(b.e().CantTema404, 27);
}

TEST(Grupo807, ElRangoSeAmpliaTrasLaPrimeraRespuestaDeTresPiezas) {
    Banco b;
    b.azar.tiradas = {{8, 8}, {5, 5}};
    b.v.fncResponderPreguntaFrecuente(807);
    EXPECT_EQ(b.e().Respuesta, Tema807Breves[5]);
    EXPECT_EQ(b.e().RangoExtraTema807, 0);
    b.azar.tiradas = {{6, 8}, {2, 4}, {1, 2}, {4, 4}};
    b.v.fncResponderPreguntaFrecuente(1807);
    EXPECT_EQ(b.e().Respuesta, std::string(Tema807Medios[1]) + std::string(Tema807Cierres[4]))
        << "an opening drawn 1 or 2 is empty";
    EXPECT_EQ(b.e().RangoExtraTema807, 4);
    b.azar.tiradas = {{7, 12}, {4, 4}, {2, 2}, {1, 4}};
    b.v.fncResponderPreguntaFrecuente(6007);
    EXPECT_EQ(b.e().Respuesta, std::string(Tema807Aperturas[2]) + std::string(Tema807Medios[2]) +
                                   std::string(Tema807Cierres[1]));
    b.azar.tiradas = {{2, 12}};
    b.v.fncResponderPreguntaFrecuente(1007);
    EXPECT_EQ(b.e().Respuesta, Tema807Simples[2]);
}

TEST(Grupo807, SuspensoDeDosEtapasConSuEstado) {
    Banco b;
    b.e().RangoExtraTema807 = 4;
    b.caja(Control::txtPeticion) = "Velmo, favor de responder:";
    b.azar.tiradas = {{11, 12}, {2, 3}};
    b.v.fncResponderPreguntaFrecuente(6807);
    const std::string primera = plano(b.e().Respuesta);
    const std::string sep = plano(Tema807Separador);
    EXPECT_EQ(primera, plano(Tema807PiezasA[2]) + sep + plano(Tema807PiezasB[2]) + sep +
                           plano(Tema807PiezasC[2]) + sep + plano(Tema807Cola));
    EXPECT_EQ(b.caja(Control::lblInfo), plano(Tema807Estados[2]));
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 250);
    EXPECT_EQ(b.e().TemaSuspenso, 6807);
    EXPECT_TRUE(b.e().SuspensoActivo);
    EXPECT_EQ(b.e().CantPregFrecuentes, 1);

    // The reveal deciphers; then 43 ticks bring the final reply.
    b.e().NombreAlma = plano(b.e().NombreAlma);
    b.e().Respuesta = primera + ".";
    for (int i = 0; i < 43; ++i) {
        b.v.tmrSuspenso_Timer();
    }
    EXPECT_EQ(b.respuestaMostrada(), plano(NombreAlmaPorDefecto) + plano(Tema807Finales[2]));
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_EQ(b.e().CantPregFrecuentes, 2);
}

TEST(Tema10006, SuspensoCompletoEnLaVentanaYRepeticion) {
    Banco b;
    b.azar.tiradas = {{10, 10}};
    b.teclear(Control::txtPeticion, "Velmo, favor de responder:");
    // Ask through the real flow with the keyword of the meaning of life
    // forced by calling the responder as the detectors would.
    b.e().PreguntasSinTruco = 0;
    b.azar.tiradas = {{2, 3}};
    b.v.fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.e().Respuesta, Tema10006Primeras[2]);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 200);
    EXPECT_EQ(b.e().TemaSuspenso, 10006);

    // A new question before the end stops it: no final reply, starts over.
    b.azar.poner({2});
    b.v.fncInicializar();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_FALSE(b.e().SuspensoActivo);
    b.azar.tiradas = {{1, 3}};
    b.v.fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.e().Respuesta, Tema10006Primeras[1]);
    EXPECT_FALSE(b.e().YaTema10006);

    b.azar.tiradas = {{3, 3}};
    b.v.fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.e().Respuesta, Tema10006Finales[2]);
    EXPECT_TRUE(b.e().YaTema10006);
    EXPECT_EQ(b.e().TemaSuspenso, 0);
    b.azar.tiradas = {{5, 6}};
    b.v.fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[5]);
}

TEST(Tema10007, ElComandoAbreLasEstadisticasSinContarse) {
    Banco b;
    b.e().CantPregFrecuentes = 3;
    b.caja(Control::txtPregunta) = "estadisticas";
    b.v.fncResponderPreguntaFrecuente(10007);
    EXPECT_EQ(b.e().CantPregFrecuentes, 3);
    EXPECT_EQ(b.e().Respuesta, Tema10007);
    EXPECT_EQ(b.caja(Control::txtPregunta), "");
    EXPECT_FALSE(b.p.habilitado(Control::cmdNuevaPregunta));
    EXPECT_EQ(b.p.estadisticasMostradas, 1);
}

} // namespace
} // namespace auguron
