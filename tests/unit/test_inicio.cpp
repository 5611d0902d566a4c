// Start-up and its boxes, the new-question reset and the spirit's question,
// the status line and the small handlers of the main window. (The soul that
// answers is drawn with the replies, in test_respuestas.cpp.)

#include "ConBanco.h"
#include "texts/TextosAlmas.h"

#include <gtest/gtest.h>

#include <vector>

namespace auguron {
namespace {

class Reinicio : public prueba::ConBanco {};
class Mensajes : public prueba::ConBanco {};
class Ventana : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using prueba::w;

// The three lines of the prayer after the first, joined by a carriage return.
const std::string kLaudate = "\rLaudate omnes gentes laudate, Magnificat en secula"
                             "\rEt anima mea laudate, Magnificat en secula";

TEST(Arranque, CancelarLaOracionTerminaYAceptarDaLaBienvenida) {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    CajaMostrada oracion{w("Tómense de manos y repitan al unísono esto:") + kLaudate, w("Oración"),
                         Botones::AceptarCancelar, Boton::Cancelar};
    p.respuestas = {Boton::Cancelar};
    EXPECT_FALSE(v.Form_Load());
    EXPECT_EQ(p.cajas, std::vector{oracion});
    EXPECT_TRUE(azar.pedidos.empty());

    v.estado().CantPregTruco = 9; // whatever the record held is replaced
    p.cajas.clear();
    p.respuestas = {Boton::Aceptar, Boton::Aceptar};
    azar.tiradas = {{4321, 5000}};
    ASSERT_TRUE(v.Form_Load());
    oracion.respuesta = Boton::Aceptar;
    EXPECT_EQ(
        p.cajas,
        (std::vector{oracion, CajaMostrada{w("Bienvenido al Sistema Interactivo de Vagulantes.\r"
                                             "- A propósito, mi nombre es Velmo..."),
                                           "Buscando vagulantes...", Botones::Aceptar, Boton::Aceptar}}));
    EXPECT_EQ(p.intervalo(Temporizador::tmrMensaje), 4321);
    EstadoSesion inicio;
    inicio.FrasePeticion = textos::kFrasePeticion, inicio.NombreAlma = textos::NombreAlmaPorDefecto;
    inicio.PosPeticion = 1;
    EXPECT_EQ(v.estado(), inicio);
}

// The reset gives the fields of one question and the window's boxes their
// start again; every other field of the record stays as the run left it.
TEST_F(Reinicio, DevuelveSoloLosCamposDeCadaPregunta) {
    Banco& b = banco();
    EstadoSesion& e = b.e();
    // Every field, in order, away from its start; four questions do not yet
    // make the spirit ask.
    e = {1,  2, 3, 4,  5,    "x",  6,  7,  "x",  8,  true, "x", 9, 10,
         11, 4, 2, 12, true, true, 13, 14, true, 15, 16,   3,   4};
    EstadoSesion esperado = e;
    esperado.Respuesta = "", esperado.PosPeticion = 1, esperado.LargoPregunta = esperado.EstadoTruco = 0;
    esperado.EnRetroceso = esperado.SuspensoActivo = false, esperado.MaxConsonantes = 0;
    esperado.NombreAlma = textos::NombreAlmaPorDefecto; // no soul found
    b.p.temporizador(Temporizador::tmrSuspenso, 1);
    b.p.temporizador(Temporizador::tmrFocus, 1); // the last answer's, still pending
    for (const Control c :
         {Control::txtPeticion, Control::txtPregunta, Control::lblRespuesta, Control::lblInfo}) {
        b.p.controles[c] = {"algo", c != Control::txtPeticion, true, true}; // as after an answer
    }
    b.p.foco = Control::cmdNuevaPregunta;
    b.azar.tiradas = {{2, 8}};

    b.v.fncInicializar();

    EXPECT_EQ(e, esperado);
    EXPECT_EQ(b.azar.pedidos, std::vector<int>{8});
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus)) << "it would take the focus from the new petition";
    PlataformaGuion inicial; // the window as it opened, the status line empty
    inicial.controles[Control::lblInfo].texto = "";
    EXPECT_EQ(b.p.controles, inicial.controles);
    EXPECT_EQ(b.p.foco, Control::txtPeticion);
    EXPECT_TRUE(b.p.cajas.empty());
}

TEST_F(Reinicio, LaPreguntaDelEspirituConSiSigueYConNoCierra) {
    Banco& b = banco();
    b.e().PreguntasSinTruco = 5;
    b.azar.tiradas = {{1, 12}, {2, 8}};
    b.p.respuestas = {Boton::Si, Boton::Aceptar};
    b.v.fncInicializar();
    EXPECT_FALSE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::txtPeticion);

    b.p.foco = Control::cmdNuevaPregunta;
    b.azar.tiradas = {{1, 12}};
    b.p.respuestas = {Boton::No, Boton::Aceptar};
    b.v.fncInicializar();
    const std::string pregunta = plano(textos::PreguntaEspiritu);
    EXPECT_EQ(b.p.cajas, (std::vector<CajaMostrada>{
                             {pregunta, "Velmo pregunta:", Botones::SiNo, Boton::Si},
                             {plano(textos::RespuestaAlSi), "Creo en Dios y en el Diablo", Botones::Aceptar,
                              Boton::Aceptar},
                             {pregunta, "Velmo pregunta:", Botones::SiNo, Boton::No},
                             {plano(textos::RespuestaAlNo), "No creo", Botones::Aceptar, Boton::Aceptar}}));
    EXPECT_TRUE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta) << "no soul chosen, no focus moved";

    b.azar.tiradas = {{12, 12}, {3, 8}}; // any other draw goes on without asking
    b.v.fncInicializar();
    EXPECT_EQ(b.p.cajas.size(), 4u);
}

TEST_F(Mensajes, LaLineaDeEstadoYElAlmaEncontrada) {
    Banco& b = banco();
    b.azar.tiradas = {{777, 5000}};
    for (const char* texto : {"Buscando Vagulantes...", "Conectando Vagulantes...", ""}) {
        b.v.tmrMensaje_Timer();
        EXPECT_EQ(b.caja(Control::lblInfo), texto);
    }
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 0);

    // A soul found now and then (third draw 1) goes straight to "Conectando".
    b.azar.tiradas = {{1, 8}, {24, 31}, {1, 3}, {3800, 3800}};
    b.v.almas().fncSeleccionarAlma();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 3800);
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "Conectando Vagulantes...");
    b.v.tmrMensaje_Timer();
    EXPECT_EQ(b.caja(Control::lblInfo), "");
    b.caja(Control::lblInfo) = "x";
    b.v.tmrMensaje_Timer(); // a stray tick changes nothing
    EXPECT_EQ(b.caja(Control::lblInfo), "x");
}

// The prayer of the menu starts the messages the likelier the longer it stayed open.
TEST_F(Mensajes, OracionDelMenuSegunLoQueDuro) {
    struct Fila {
        int segundos;
        int tirada; // 0: no draw of 4
        bool empieza;
        Boton boton = Boton::Aceptar;
    };
    for (const Fila& f :
         {Fila{9, 0, false}, Fila{-3000, 0, false}, Fila{10, 1, true}, Fila{13, 2, false}, Fila{14, 2, true},
          Fila{20, 3, false}, Fila{21, 3, true}, Fila{600, 4, false}, Fila{600, 0, false, Boton::Cancelar}}) {
        Banco& b = banco();
        b.p.segundos = 5000.7;
        b.p.respuestas = {f.boton};
        b.p.alMostrar = [&b, f] { b.p.segundos += f.segundos; }; // the clock moves while it is open
        if (f.tirada) {
            b.azar.tiradas.push_back({f.tirada, 4});
        }
        if (f.empieza) {
            b.azar.tiradas.push_back({2500, 3000});
        }
        b.e().PasoMensaje = 3;
        b.v.mnuLeerOracion_Click();
        EXPECT_EQ(b.p.cajas, (std::vector{CajaMostrada{w("Tomarse de manos y repetir al unísono:") + kLaudate,
                                                       w("Oración"), Botones::AceptarCancelar, f.boton}}));
        EXPECT_EQ(b.e().PasoMensaje, f.empieza ? 0 : 3) << f.segundos;
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), f.empieza ? 2500 : 1234) << f.segundos;
    }
}

TEST_F(Ventana, ElFocoVaANuevaPreguntaSiEstaHabilitada) {
    Banco& b = banco();
    b.p.temporizador(Temporizador::tmrFocus, 1);
    b.v.tmrFocus_Timer();
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus));
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta);
    // With the button disabled (statistics open) an answer leaves the focus
    // where it is, and so does a tick still on its way.
    b.v.frecuentes().fncResponderPreguntaFrecuente(10007);
    b.azar.poner({10});
    b.preguntar("Velmo, favor de responder", "esto es una pregunta");
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus));
    b.v.tmrFocus_Timer();
    EXPECT_EQ(b.p.foco, Control::txtPregunta);
}

} // namespace
} // namespace auguron
