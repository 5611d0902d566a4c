// Start-up, the new-question reset, the soul that answers, the status line and
// the small handlers of the main window.

#include "ConBanco.h"
#include "texts/TextosAlmas.h"

#include <gtest/gtest.h>

#include <vector>

namespace auguron {
namespace {

class Reinicio : public prueba::ConBanco {};
class Almas : public prueba::ConBanco {};
class Mensajes : public prueba::ConBanco {};
class Ventana : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using T = AzarGuion::Tirada;

TEST(Arranque, CancelarLaOracionTerminaYAceptarDaLaBienvenida) {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    p.respuestas = {Boton::Cancelar};
    EXPECT_FALSE(v.Form_Load());
    ASSERT_EQ(p.cajas.size(), 1u);
    EXPECT_EQ(p.cajas[0].botones, Botones::AceptarCancelar);
    EXPECT_TRUE(azar.pedidos.empty());

    v.estado().CantPregTruco = 9; // whatever the record held is replaced
    p.respuestas = {Boton::Aceptar, Boton::Aceptar};
    azar.tiradas = {{4321, 5000}};
    ASSERT_TRUE(v.Form_Load());
    ASSERT_EQ(p.cajas.size(), 3u);
    EXPECT_EQ(p.cajas[2].botones, Botones::Aceptar);
    EXPECT_EQ(p.intervalo(Temporizador::tmrMensaje), 4321);
    const EstadoSesion& e = v.estado();
    EXPECT_EQ(e.FrasePeticion, textos::kFrasePeticion);
    EXPECT_EQ(e.NombreAlma, std::string_view(textos::NombreAlmaPorDefecto));
    EXPECT_EQ(e.PosPeticion, 1);
    EXPECT_EQ(e.CantPregTruco, 0);
}

TEST_F(Reinicio, DevuelveSoloLosCamposDeCadaPregunta) {
    Banco& b = banco();
    EstadoSesion& e = b.e();
    e.CantPregTruco = 2, e.CantTema404 = 7, e.YaTema712 = true, e.PreguntasSinTruco = 4; // the run's
    e.NombreAlma = e.Respuesta = "x", e.PosPeticion = 12, e.EstadoTruco = 2, e.LargoPregunta = 5;
    e.EnRetroceso = e.SuspensoActivo = true, e.MaxConsonantes = 3;
    b.p.temporizador(Temporizador::tmrSuspenso, 200);
    b.p.temporizador(Temporizador::tmrFocus, 2000); // the last answer's, still pending
    for (Control c : {Control::txtPeticion, Control::txtPregunta, Control::lblRespuesta, Control::lblInfo}) {
        b.caja(c) = "algo";
    }
    b.p.habilitar(Control::txtPeticion, false);
    b.p.habilitar(Control::txtPregunta, true);
    b.azar.tiradas = {{2, 8}}; // no soul found; four questions do not yet make the spirit ask

    b.v.fncInicializar();

    EXPECT_EQ(b.azar.pedidos, std::vector<int>{8});
    using std::tuple;
    EXPECT_EQ(
        tuple(e.Respuesta, e.PosPeticion, e.LargoPregunta, e.EstadoTruco, e.EnRetroceso, e.MaxConsonantes),
        tuple("", 1, 0, 0, false, 0));
    EXPECT_EQ(tuple(e.SuspensoActivo, e.NombreAlma),
              tuple(false, std::string_view(textos::NombreAlmaPorDefecto)));
    EXPECT_EQ(tuple(e.CantPregTruco, e.CantTema404, e.YaTema712, e.PreguntasSinTruco), tuple(2, 7, true, 4))
        << "what the run remembers stays";
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus)) << "it would take the focus from the new petition";
    for (Control c : {Control::txtPeticion, Control::txtPregunta, Control::lblRespuesta, Control::lblInfo}) {
        EXPECT_EQ(b.caja(c), "");
    }
    EXPECT_TRUE(b.p.habilitado(Control::txtPeticion));
    EXPECT_FALSE(b.p.habilitado(Control::txtPregunta));
    EXPECT_FALSE(b.p.controles[Control::txtPregunta].fondoSistema);
    EXPECT_EQ(b.p.foco, Control::txtPeticion);
    EXPECT_TRUE(b.p.cajas.empty());
}

TEST_F(Reinicio, LaPreguntaDelEspirituConSiSigueYConNoCierra) {
    Banco& b = banco();
    b.e().PreguntasSinTruco = 5;
    b.azar.tiradas = {{1, 12}, {2, 8}};
    b.p.respuestas = {Boton::Si, Boton::Aceptar};
    b.v.fncInicializar();
    ASSERT_EQ(b.p.cajas.size(), 2u);
    EXPECT_EQ(b.p.cajas[0].texto, plano(textos::PreguntaEspiritu));
    EXPECT_EQ(b.p.cajas[0].botones, Botones::SiNo);
    EXPECT_EQ(b.p.cajas[1].texto, plano(textos::RespuestaAlSi));
    EXPECT_FALSE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::txtPeticion);

    b.p.foco = Control::cmdNuevaPregunta;
    b.azar.tiradas = {{1, 12}};
    b.p.respuestas = {Boton::No, Boton::Aceptar};
    b.v.fncInicializar();
    ASSERT_EQ(b.p.cajas.size(), 4u);
    EXPECT_EQ(b.p.cajas[3].texto, plano(textos::RespuestaAlNo));
    EXPECT_TRUE(b.p.principalCerrada);
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta) << "no soul chosen, no focus moved";

    b.azar.tiradas = {{12, 12}, {3, 8}}; // any other draw goes on without asking
    b.v.fncInicializar();
    EXPECT_EQ(b.p.cajas.size(), 4u);
}

TEST_F(Almas, CadaTiradaArmaSuEtiqueta) {
    using namespace textos;
    const auto s = [](auto... piezas) { return (std::string(piezas) + ...); };
    struct Fila {
        std::vector<T> tiradas;
        std::string etiqueta;
    };
    const std::vector<Fila> filas = {
        {{{8, 8}}, s(NombreAlmaPorDefecto)},
        {{{1, 8}, {1, 31}, {1, 14}, {1, 5}, {2, 3}}, s(AlmaInicio, AlmaMedios[1], AlmaFinales[1])},
        {{{1, 8}, {15, 31}, {14, 14}, {5, 5}, {2, 3}}, s(AlmaInicio, AlmaMedios[14], AlmaFinales[5])},
        {{{1, 8}, {16, 31}, {2, 5}, {3, 5}, {3, 3}}, s(Alma2Primeros[2], Alma2Finales[3])},
        {{{1, 8}, {21, 31}, {4, 5}, {2, 3}}, s(Alma3Primeros[4], Alma3Final)},
        {{{1, 8}, {24, 31}, {2, 3}}, s(AlmasEnteras[1])},
        {{{1, 8}, {27, 31}, {2, 3}}, s(AlmasEnteras[2])},
        {{{1, 8}, {29, 31}, {2, 3}}, s(AlmasEnteras[3])},
        {{{1, 8}, {31, 31}, {2, 3}}, s(AlmasEnteras[4])},
    };
    for (const Fila& f : filas) {
        Banco& b = banco();
        b.azar.tiradas.assign(f.tiradas.begin(), f.tiradas.end());
        b.v.almas().fncSeleccionarAlma();
        EXPECT_EQ(plano(b.e().NombreAlma), plano(f.etiqueta)) << f.tiradas[1 % f.tiradas.size()].valor;
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), 1234) << "the status line is left alone";
    }
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
        EXPECT_EQ(b.p.cajas.size(), 1u);
        EXPECT_EQ(b.e().PasoMensaje, f.empieza ? 0 : 3) << f.segundos;
        EXPECT_EQ(b.p.intervalo(Temporizador::tmrMensaje), f.empieza ? 2500 : 1234) << f.segundos;
    }
}

TEST_F(Ventana, ElFocoVaANuevaPreguntaSiEstaHabilitada) {
    Banco& b = banco();
    b.p.temporizador(Temporizador::tmrFocus, 2000);
    b.v.tmrFocus_Timer();
    EXPECT_FALSE(b.p.activo(Temporizador::tmrFocus));
    EXPECT_EQ(b.p.foco, Control::cmdNuevaPregunta);
    // A tick that finds the button disabled (statistics open) leaves the focus alone.
    b.p.foco = Control::txtPeticion;
    b.v.frecuentes().fncResponderPreguntaFrecuente(10007);
    b.v.tmrFocus_Timer();
    EXPECT_EQ(b.p.foco, Control::txtPeticion);
}

} // namespace
} // namespace auguron
