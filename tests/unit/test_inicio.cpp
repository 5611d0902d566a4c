#include "Apoyo.h"

#include "texts/Almas.h"

#include <gtest/gtest.h>

#include <set>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::plano;
using prueba::w;

TEST(Arranque, CancelarLaOracionTerminaSinMasCajas) {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    p.respuestas = {Boton::Cancelar};
    EXPECT_FALSE(v.Form_Load());
    ASSERT_EQ(p.cajas.size(), 1u);
    EXPECT_EQ(p.cajas[0].texto, w("Tómense de manos y repitan al unísono esto:\r"
                                  "Laudate omnes gentes laudate, Magnificat en secula\r"
                                  "Et anima mea laudate, Magnificat en secula"));
    EXPECT_EQ(p.cajas[0].titulo, w("Oración"));
    EXPECT_EQ(p.cajas[0].botones, Botones::AceptarCancelar);
    EXPECT_TRUE(azar.pedidos.empty());
    EXPECT_EQ(p.intervalo(Temporizador::tmrMensaje), 0);
}

TEST(Arranque, AceptarDaLaBienvenidaYLosValoresIniciales) {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    v.estado().CantPregTruco = 9; // whatever the record held is replaced
    p.respuestas = {Boton::Aceptar, Boton::Aceptar};
    azar.tiradas = {{4321, 5000}};
    ASSERT_TRUE(v.Form_Load());
    ASSERT_EQ(p.cajas.size(), 2u);
    EXPECT_EQ(p.cajas[1].texto,
              w("Bienvenido al Sistema Interactivo de Vagulantes.\r- A propósito, mi nombre es Velmo..."));
    EXPECT_EQ(p.cajas[1].titulo, "Buscando vagulantes...");
    EXPECT_EQ(p.cajas[1].botones, Botones::Aceptar);
    EXPECT_EQ(p.intervalo(Temporizador::tmrMensaje), 4321);
    const EstadoSesion& e = v.estado();
    EXPECT_EQ(e.FrasePeticion, "Velmo, favor de responder esta pregunta");
    EXPECT_EQ(e.NombreAlma, textos::NombreAlmaPorDefecto);
    EXPECT_EQ(e.PosPeticion, 1);
    EXPECT_EQ(e.CantPregTruco, 0);
    EXPECT_EQ(e.PasoMensaje, 0);
    EXPECT_TRUE(e.Respuesta.empty());
    EXPECT_TRUE(p.respuestas.empty());
}

TEST(Reinicio, DevuelveSoloLosCamposDeCadaPregunta) {
    Banco b;
    EstadoSesion& e = b.e();
    e.Respuesta = "x";
    e.PosPeticion = 12;
    e.LargoPregunta = 5;
    e.EstadoTruco = 2;
    e.EnRetroceso = true;
    e.MaxConsonantes = 3;
    e.SuspensoActivo = true;
    e.CantPregTruco = 2;
    e.CantTema404 = 7;
    e.YaTema712 = true;
    e.PasoSuspenso = 17;
    e.CantPalabras = 4;
    b.p.fijarIntervalo(Temporizador::tmrSuspenso, 200);
    b.caja(Control::txtPeticion) = "Velmo";
    b.caja(Control::txtPregunta) = "algo";
    b.p.habilitar(Control::txtPeticion, false);
    b.p.habilitar(Control::txtPregunta, true);
    b.caja(Control::lblRespuesta) = "respuesta";
    b.caja(Control::lblInfo) = "Conectando Vagulantes...";
    e.PreguntasSinTruco = 4;
    b.azar.tiradas = {{2, 8}}; // no soul found, and no spirit's question is drawn

    b.v.fncInicializar();

    EXPECT_EQ(b.azar.pedidos, std::vector<int>{8});
    EXPECT_TRUE(e.Respuesta.empty());
    EXPECT_EQ(e.PosPeticion, 1);
    EXPECT_EQ(e.LargoPregunta, 0);
    EXPECT_EQ(e.EstadoTruco, 0);
    EXPECT_FALSE(e.EnRetroceso);
    EXPECT_EQ(e.MaxConsonantes, 0);
    EXPECT_FALSE(e.SuspensoActivo);
    EXPECT_EQ(e.CantPregTruco, 2);
    EXPECT_EQ(e.CantTema404, 7);
    EXPECT_TRUE(e.YaTema712);
    EXPECT_EQ(e.PasoSuspenso, 17);
    EXPECT_EQ(e.CantPalabras, 4);
    EXPECT_EQ(e.PreguntasSinTruco, 4);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_EQ(b.caja(Control::txtPeticion), "");
    EXPECT_TRUE(b.p.habilitado(Control::txtPeticion));
    EXPECT_EQ(b.caja(Control::txtPregunta), "");
    EXPECT_FALSE(b.p.habilitado(Control::txtPregunta));
    EXPECT_FALSE(b.p.controles[Control::txtPregunta].fondoSistema);
    EXPECT_EQ(b.caja(Control::lblRespuesta), "");
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    EXPECT_EQ(b.p.foco, Control::txtPeticion);
    EXPECT_EQ(e.NombreAlma, textos::NombreAlmaPorDefecto);
    EXPECT_TRUE(b.p.cajas.empty());
}

TEST(Reinicio, LaPreguntaDelEspirituConSiSigueYConNoCierra) {
    Banco b;
    b.e().PreguntasSinTruco = 5;
    b.azar.tiradas = {{1, 12}, {2, 8}};
    b.p.respuestas = {Boton::Si, Boton::Aceptar};
    b.v.fncInicializar();
    ASSERT_EQ(b.p.cajas.size(), 2u);
    EXPECT_EQ(b.p.cajas[0].texto, plano(textos::PreguntaEspiritu));
    EXPECT_EQ(b.p.cajas[0].titulo, "Velmo pregunta:");
    EXPECT_EQ(b.p.cajas[0].botones, Botones::SiNo);
    EXPECT_EQ(b.p.cajas[1].texto, plano(textos::RespuestaAlSi));
    EXPECT_EQ(b.p.cajas[1].titulo, "Creo en Dios y en el Diablo");
    EXPECT_EQ(b.p.cajas[1].botones, Botones::Aceptar);
    EXPECT_FALSE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::txtPeticion);
    EXPECT_EQ(b.e().PreguntasSinTruco, 5);

    b.p.cajas.clear();
    b.p.foco = Control::cmdNuevaPregunta;
    b.azar.tiradas = {{1, 12}};
    b.p.respuestas = {Boton::No, Boton::Aceptar};
    b.v.fncInicializar();
    ASSERT_EQ(b.p.cajas.size(), 2u);
    EXPECT_EQ(b.p.cajas[1].texto, plano(textos::RespuestaAlNo));
    EXPECT_EQ(b.p.cajas[1].titulo, "No creo");
    EXPECT_TRUE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta); // no soul chosen, no focus moved
    EXPECT_TRUE(b.azar.tiradas.empty());

    // Any other draw of 12 goes on without the question.
    b.azar.tiradas = {{12, 12}, {3, 8}};
    b.v.fncInicializar();
    EXPECT_EQ(b.p.cajas.size(), 2u);
}

TEST(Almas, PorDefectoSieteVecesDeOcho) {
    Banco b;
    b.e().NombreAlma = "otra";
    b.azar.tiradas = {{8, 8}};
    b.v.fncSeleccionarAlma();
    EXPECT_EQ(b.e().NombreAlma, textos::NombreAlmaPorDefecto);
    EXPECT_EQ(b.e().PasoMensaje, 0);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 1234);
}

TEST(Almas, CadaFilaArmaSuEtiqueta) {
    using namespace textos;
    struct Caso {
        std::vector<AzarGuion::Tirada> tiradas;
        std::string etiqueta;
    };
    const std::vector<Caso> casos = {
        {{{1, 8}, {1, 31}, {1, 14}, {1, 5}, {2, 3}},
         std::string(AlmaInicio) + std::string(AlmaMedios[1]) + std::string(AlmaFinales[1])},
        {{{1, 8}, {15, 31}, {14, 14}, {5, 5}, {2, 3}},
         std::string(AlmaInicio) + std::string(AlmaMedios[14]) + std::string(AlmaFinales[5])},
        {{{1, 8}, {16, 31}, {2, 5}, {3, 5}, {3, 3}},
         std::string(Alma2Primeros[2]) + std::string(Alma2Finales[3])},
        {{{1, 8}, {20, 31}, {5, 5}, {5, 5}, {3, 3}},
         std::string(Alma2Primeros[5]) + std::string(Alma2Finales[5])},
        {{{1, 8}, {21, 31}, {4, 5}, {2, 3}}, std::string(Alma3Primeros[4]) + std::string(Alma3Final)},
        {{{1, 8}, {23, 31}, {1, 5}, {2, 3}}, std::string(Alma3Primeros[1]) + std::string(Alma3Final)},
        {{{1, 8}, {24, 31}, {2, 3}}, std::string(AlmasEnteras[1])},
        {{{1, 8}, {26, 31}, {2, 3}}, std::string(AlmasEnteras[1])},
        {{{1, 8}, {27, 31}, {2, 3}}, std::string(AlmasEnteras[2])},
        {{{1, 8}, {28, 31}, {2, 3}}, std::string(AlmasEnteras[2])},
        {{{1, 8}, {29, 31}, {2, 3}}, std::string(AlmasEnteras[3])},
        {{{1, 8}, {30, 31}, {2, 3}}, std::string(AlmasEnteras[3])},
        {{{1, 8}, {31, 31}, {2, 3}}, std::string(AlmasEnteras[4])},
    };
    for (const Caso& c : casos) {
        Banco b;
        b.azar.tiradas.assign(c.tiradas.begin(), c.tiradas.end());
        b.v.fncSeleccionarAlma();
        EXPECT_EQ(b.e().NombreAlma, c.etiqueta);
        EXPECT_TRUE(b.azar.tiradas.empty());
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 1234) << "v = 2 or 3 leaves the status line alone";
    }
}

TEST(Almas, CientoCuatroEtiquetasDistintas) {
    using namespace textos;
    std::set<std::string> etiquetas;
    for (int t = 1; t <= 14; ++t) {
        for (int u = 1; u <= 5; ++u) {
            etiquetas.insert(std::string(AlmaInicio) + std::string(AlmaMedios[t]) +
                             std::string(AlmaFinales[u]));
        }
    }
    for (int t = 1; t <= 5; ++t) {
        for (int u = 1; u <= 5; ++u) {
            etiquetas.insert(std::string(Alma2Primeros[t]) + std::string(Alma2Finales[u]));
        }
        etiquetas.insert(std::string(Alma3Primeros[t]) + std::string(Alma3Final));
    }
    for (int k = 1; k <= 4; ++k) {
        etiquetas.insert(std::string(AlmasEnteras[k]));
    }
    EXPECT_EQ(etiquetas.size(), 104u);
    EXPECT_EQ(etiquetas.count(std::string(NombreAlmaPorDefecto)), 0u);
    EXPECT_EQ(NombreAlmaPorDefecto.size(), 16u);
}

TEST(Mensajes, AlmaEncontradaSaltaAConectandoYTermina) {
    Banco b;
    b.azar.tiradas = {{1, 8}, {24, 31}, {1, 3}, {3800, 3800}};
    b.v.fncSeleccionarAlma();
    EXPECT_EQ(b.e().PasoMensaje, 1);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 3800);
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "Conectando Vagulantes...");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 3800);
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 0);
    // Stray ticks beyond the third step change nothing.
    b.caja(Control::lblInfo) = "x";
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "x");
    EXPECT_TRUE(b.azar.tiradas.empty());
}

TEST(Mensajes, SecuenciaDesdeElArranque) {
    Banco b;
    b.azar.tiradas = {{777, 5000}};
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "Buscando Vagulantes...");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 777);
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "Conectando Vagulantes...");
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 0);
}

// The prayer of the menu starts the messages the likelier the longer it stayed open.
TEST(Mensajes, OracionDelMenuSegunLoQueDuro) {
    struct Caso {
        int segundos;
        int tirada; // 0: no draw of 4 expected
        bool empieza;
    };
    for (const Caso c : {Caso{9, 0, false}, Caso{-3000, 0, false}, Caso{10, 1, true}, Caso{13, 2, false},
                         Caso{14, 2, true}, Caso{20, 3, false}, Caso{21, 3, true}, Caso{600, 4, false}}) {
        Banco b;
        b.p.segundos = 5000.7;
        b.p.respuestas = {Boton::Aceptar};
        // The scripted box answers at once; the clock moves while it is "open".
        b.p.alMostrar = [&b, c] { b.p.segundos += c.segundos; };
        if (c.tirada) {
            b.azar.tiradas.push_back({c.tirada, 4});
        }
        if (c.empieza) {
            b.azar.tiradas.push_back({2500, 3000});
        }
        b.e().PasoMensaje = 3;
        b.v.mnuLeerOracion_Click();
        ASSERT_EQ(b.p.cajas.size(), 1u);
        EXPECT_EQ(b.p.cajas[0].titulo, w("Oración"));
        EXPECT_EQ(b.p.cajas[0].texto, w("Tomarse de manos y repetir al unísono:\r"
                                        "Laudate omnes gentes laudate, Magnificat en secula\r"
                                        "Et anima mea laudate, Magnificat en secula"));
        EXPECT_EQ(b.e().PasoMensaje, c.empieza ? 0 : 3) << c.segundos;
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), c.empieza ? 2500 : 1234) << c.segundos;
        EXPECT_TRUE(b.azar.tiradas.empty()) << c.segundos;
    }
}

TEST(Mensajes, CancelarLaOracionNuncaEmpieza) {
    Banco b;
    b.p.respuestas = {Boton::Cancelar};
    b.p.alMostrar = [&b] { b.p.segundos += 500; };
    b.v.mnuLeerOracion_Click();
    EXPECT_TRUE(b.azar.pedidos.empty());
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 1234);
}

TEST(Ventana, LogoYFocoYPortapapeles) {
    Banco b;
    b.v.mnuVerImagen_Click();
    EXPECT_TRUE(b.p.visible(Control::pctLogo));
    EXPECT_EQ(b.caja(Control::mnuVerImagen), "Ocultar Imagen");
    b.v.mnuVerImagen_Click();
    EXPECT_FALSE(b.p.visible(Control::pctLogo));
    EXPECT_EQ(b.caja(Control::mnuVerImagen), "Ver Imagen");

    b.p.fijarIntervalo(Temporizador::tmrFocus, 2000);
    b.p.habilitarTemporizador(Temporizador::tmrFocus, true);
    b.v.tmrFocus_Timer();
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus));
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrFocus), 0);
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta);

    // A tick that finds the button disabled leaves the focus alone.
    b.p.foco = Control::txtPeticion;
    b.p.habilitar(Control::cmdNuevaPregunta, false);
    b.v.tmrFocus_Timer();
    EXPECT_EQ(b.p.foco, Control::txtPeticion);

    b.v.txtPeticion_GotFocus();
    b.v.txtPregunta_GotFocus();
    EXPECT_EQ(b.p.portapapelesVaciado, 2);

    b.v.mnuSalir_Click();
    EXPECT_TRUE(b.p.principalCerrada);
    EXPECT_FALSE(b.p.todasCerradas);
    b.v.cmdSalir_Click();
    EXPECT_TRUE(b.p.todasCerradas);
}

} // namespace
} // namespace auguron
