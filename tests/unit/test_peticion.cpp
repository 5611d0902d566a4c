#include "Apoyo.h"

#include <gtest/gtest.h>

#include <random>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::w;
constexpr std::string_view kFrase = "Velmo, favor de responder esta pregunta";
constexpr auto P = Control::txtPeticion;

TEST(Peticion, SinPuntoSeMuestraLoTecleadoConMayusculaInicial) {
    Banco b;
    b.teclear(P, "velmo");
    EXPECT_EQ(b.caja(P), "Velmo");
    EXPECT_EQ(b.e().EstadoTruco, 0);
    EXPECT_EQ(b.e().PosPeticion, 6);
    EXPECT_TRUE(b.e().Respuesta.empty());

    Banco c;
    c.teclear(P, w("ñu"));
    EXPECT_EQ(c.caja(P), w("Ñu"));
}

TEST(Peticion, ElPuntoInicialCapturaYMuestraLaFrase) {
    Banco b;
    b.teclear(P, ".si");
    EXPECT_EQ(b.caja(P), "Vel");
    EXPECT_EQ(b.e().EstadoTruco, 1);
    EXPECT_EQ(b.e().Respuesta, "si");
    b.teclear(P, "mo, favor de responder:");
    EXPECT_EQ(b.caja(P), "Velmo, favor de responder:");
    EXPECT_TRUE(b.p.habilitado(Control::txtPregunta));
    EXPECT_TRUE(b.p.controles[Control::txtPregunta].fondoSistema);
    EXPECT_EQ(b.p.foco, Control::txtPregunta);
    EXPECT_EQ(b.e().Respuesta, "simo, favor de responder");
    b.v.fncDetectarRespuesta();
    EXPECT_EQ(b.e().Respuesta, "si");
}

TEST(Peticion, SegundoPuntoCierraLaCaptura) {
    Banco b;
    b.teclear(P, ".no.o, favor de responder:");
    EXPECT_EQ(b.caja(P), "Velmo, favor de responder:");
    EXPECT_EQ(b.e().EstadoTruco, 2);
    EXPECT_EQ(b.e().Respuesta, "no");
    // Further full stops are shown as typed and only count.
    b.teclear(P, "..");
    EXPECT_EQ(b.caja(P), "Velmo, favor de responder:..");
    EXPECT_EQ(b.e().EstadoTruco, 4);
}

TEST(Peticion, LaFraseLlenaBorraYReescribeSuUltimaPalabra) {
    Banco b;
    b.teclear(P, ".");
    std::string oculto;
    for (int i = 0; i < 38; ++i) {
        b.teclear(P, "x");
        oculto += 'x';
    }
    EXPECT_EQ(b.caja(P), kFrase);
    EXPECT_FALSE(b.e().EnRetroceso);
    b.teclear(P, "y"); // the 39th key after the full stop erases
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 38));
    EXPECT_TRUE(b.e().EnRetroceso);
    b.teclear(P, std::string(7, 'y'));
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 31));
    b.teclear(P, "z");
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 32));
    EXPECT_FALSE(b.e().EnRetroceso);
    b.teclear(P, std::string(7, 'z'));
    EXPECT_EQ(b.caja(P), kFrase);
    b.teclear(P, "w");
    EXPECT_EQ(b.caja(P), kFrase.substr(0, 38));
    EXPECT_EQ(b.e().Respuesta, oculto + std::string(8, 'y') + std::string(8, 'z') + "w");
}

TEST(Peticion, RetrocesoEnLaCaptura) {
    Banco b;
    b.teclear(P, ".abc");
    b.tecla(P, 8);
    EXPECT_EQ(b.caja(P), "Vel");
    EXPECT_EQ(b.e().Respuesta, "ab");
    EXPECT_EQ(b.e().EstadoTruco, 1);
    // Down to an empty box: the capture ends and starts afresh later.
    b.tecla(P, 8);
    b.tecla(P, 8);
    b.tecla(P, 8);
    EXPECT_EQ(b.caja(P), "");
    EXPECT_EQ(b.e().PosPeticion, 1);
    EXPECT_EQ(b.e().EstadoTruco, 0);
    EXPECT_TRUE(b.e().Respuesta.empty());
    b.tecla(P, 8); // nothing below an empty box
    EXPECT_EQ(b.e().PosPeticion, 1);
    b.teclear(P, ".q");
    EXPECT_EQ(b.caja(P), "Ve");
    EXPECT_EQ(b.e().Respuesta, "q");
}

TEST(Peticion, RetrocesoSobreElPuntoDeAperturaNoCierraLaCaptura) {
    Banco b;
    b.teclear(P, "ab.cd");
    EXPECT_EQ(b.caja(P), "Ablmo");
    b.tecla(P, 8);
    b.tecla(P, 8);
    b.tecla(P, 8);
    EXPECT_EQ(b.caja(P), "Ab");
    EXPECT_EQ(b.e().EstadoTruco, 1);
    EXPECT_TRUE(b.e().Respuesta.empty());
}

TEST(Peticion, PuntoMasAllaDeLaPosicionCuarentaNoCuenta) {
    Banco b;
    b.teclear(P, std::string(40, 'a'));
    EXPECT_EQ(b.e().PosPeticion, 41);
    b.teclear(P, ".");
    EXPECT_EQ(b.e().EstadoTruco, 0);
    EXPECT_EQ(b.caja(P).back(), '.');
}

TEST(Peticion, DosPuntosYEnterEnLaCaptura) {
    Banco b;
    b.teclear(P, ".a:");
    EXPECT_EQ(b.caja(P), "Ve:");
    EXPECT_EQ(b.e().Respuesta, "a");
    EXPECT_EQ(b.e().EstadoTruco, 1);
    b.tecla(P, 13);
    EXPECT_EQ(b.caja(P), "Ve:l");
    EXPECT_EQ(b.e().Respuesta, "a\r");

    // Outside the capture Enter adds nothing to the box but still counts.
    Banco c;
    c.teclear(P, "ab");
    c.tecla(P, 13);
    EXPECT_EQ(c.caja(P), "Ab");
    EXPECT_EQ(c.e().PosPeticion, 4);
}

TEST(Peticion, DeteccionDeLaRespuestaOculta) {
    Banco b;
    // Every captured character matches the phrase shown in its place.
    b.teclear(P, ".elmo, favor de responder");
    b.v.fncDetectarRespuesta();
    EXPECT_TRUE(b.e().Respuesta.empty());

    // A capture opened after other keys keeps its last character.
    b.e().Respuesta = "hola";
    b.v.fncDetectarRespuesta();
    EXPECT_EQ(b.e().Respuesta, "hola");
    // Case matters, and nothing matches past the short phrase.
    b.e().Respuesta = "xE";
    b.v.fncDetectarRespuesta();
    EXPECT_EQ(b.e().Respuesta, "xE");
    b.e().Respuesta = std::string(25, 'r');
    b.v.fncDetectarRespuesta();
    EXPECT_EQ(b.e().Respuesta.size(), 25u);
}

// Whatever the keys, what the box shows keeps agreeing with the record: with a
// capture opened by the first key (and no colon typed since), the box is the
// phrase up to PosPeticion; the record stays in its ranges.
TEST(Peticion, SecuenciasAleatoriasMantienenElAcuerdo) {
    const unsigned semilla = std::random_device{}();
    std::mt19937 g(semilla);
    const std::string teclas = "abcdefghijklmnopqrstuvwxyz ,.";
    for (int ronda = 0; ronda < 300; ++ronda) {
        Banco b;
        bool desdeElInicio = false;
        bool dosPuntos = false;
        bool control = false;
        const int largo = std::uniform_int_distribution<>(1, 400)(g);
        for (int i = 0; i < largo; ++i) {
            const int tipo = std::uniform_int_distribution<>(0, 9)(g);
            int k = 0;
            if (tipo < 5) {
                k = static_cast<unsigned char>(
                    teclas[std::uniform_int_distribution<std::size_t>(0, teclas.size() - 1)(g)]);
            } else if (tipo < 7) {
                k = 8;
            } else if (tipo == 7) {
                k = '.';
            } else if (tipo == 8) {
                k = std::uniform_int_distribution<>(0, 255)(g);
            } else {
                k = std::uniform_int_distribution<>(0, 9)(g) == 0 ? ':' : 13;
            }
            if (k == '.' && b.e().EstadoTruco == 0 && b.e().PosPeticion == 1 && b.caja(P).empty()) {
                desdeElInicio = true, dosPuntos = false, control = false;
            }
            const bool capturando = b.e().EstadoTruco == 1;
            if (k == ':') {
                dosPuntos = true;
            }
            if (!capturando && k != 8 && (k < 32 || k == 127) && k != ':') {
                control = true;
            }
            b.tecla(P, k);
            const EstadoSesion& e = b.e();
            SCOPED_TRACE("seed " + std::to_string(semilla) + ", round " + std::to_string(ronda) + ", key " +
                         std::to_string(i));
            ASSERT_GE(e.PosPeticion, 1);
            ASSERT_GE(e.EstadoTruco, 0);
            if (e.EstadoTruco == 0) {
                desdeElInicio = false;
            }
            if (e.PosPeticion == 1) {
                ASSERT_EQ(e.EstadoTruco, 0);
                ASSERT_TRUE(e.Respuesta.empty());
                ASSERT_FALSE(e.EnRetroceso);
            }
            if (e.EstadoTruco == 1) {
                ASSERT_GE(e.PosPeticion, 2);
                ASSERT_LE(e.PosPeticion, 40);
                if (desdeElInicio && !dosPuntos && !control) {
                    ASSERT_EQ(b.caja(P), kFrase.substr(0, static_cast<std::size_t>(e.PosPeticion - 1)));
                }
            }
            if (e.EnRetroceso) {
                ASSERT_GE(e.EstadoTruco, 1);
                // Backspaces may take the box below the last word for a while;
                // the next key of the capture puts the phrase back there.
                if (e.EstadoTruco == 1 && k != 8) {
                    ASSERT_GE(e.PosPeticion, 32);
                }
            }
            ASSERT_EQ(e.Respuesta.find('.'), std::string::npos) << "full stops are never captured";
        }
    }
}

TEST(Peticion, TeclaSostenidaNoDesbordaLosContadores) {
    Banco b;
    b.teclear(P, std::string(40000, 'a'));
    EXPECT_EQ(b.e().PosPeticion, 32767);
    EXPECT_EQ(b.caja(P).size(), 40000u);
    Banco c;
    c.teclear(P, "ab");
    c.teclear(P, std::string(40000, '.'));
    EXPECT_GE(c.e().EstadoTruco, 2);
}

} // namespace
} // namespace auguron
