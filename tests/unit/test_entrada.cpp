// Typed input is never lost or garbled, and the trick never shows: the focus
// timer of the last answer, control keys, the long date and the suspense texts.

#include "Apoyo.h"
#include "util/FechaLarga.h"

#include <gtest/gtest.h>

namespace auguron::prueba {
namespace {

TEST(Entrada, UnaNuevaPreguntaCancelaElFocoPendienteDeLaRespuesta) {
    Banco s;
    s.teclear(Control::txtPeticion, ".si.o, favor de responder:");
    s.teclear(Control::txtPregunta, "?");
    ASSERT_TRUE(s.p.activo(Temporizador::tmrFocus));
    s.azar.poner({2}); // no soul
    s.v.fncInicializar();
    s.teclear(Control::txtPeticion, "Velmo, fa");
    // Two seconds on, no tick may take the focus from the petition.
    EXPECT_FALSE(s.p.activo(Temporizador::tmrFocus));
    EXPECT_EQ(s.p.foco, Control::txtPeticion);
    EXPECT_EQ(s.caja(Control::txtPeticion), "Velmo, fa");
}

TEST(Entrada, LasTeclasDeControlNoEntranNiSeCapturan) {
    Banco s;
    // ".sí", then Ctrl+A, Ctrl+V, Escape and Enter while capturing.
    s.teclear(Control::txtPeticion, ".s\xED\x01\x16\x1b\r.");
    EXPECT_EQ(s.v.estado().Respuesta, "s\xED");
    EXPECT_EQ(s.caja(Control::txtPeticion), "Velm");
    EXPECT_EQ(s.v.estado().PosPeticion, 5);
    s.teclear(Control::txtPeticion, "o, favor de responder:\r");
    EXPECT_EQ(s.caja(Control::txtPeticion), "Velmo, favor de responder:");
    // Enter in the question submits nothing and does not count as a key.
    s.teclear(Control::txtPregunta, "\r\x1bq");
    EXPECT_EQ(s.caja(Control::txtPregunta), "Q");
    EXPECT_EQ(s.v.estado().LargoPregunta, 1);
    s.teclear(Control::txtPregunta, "?");
    EXPECT_EQ(s.caja(Control::lblRespuesta), fncDecodificar(textos::NombreAlmaPorDefecto) + "S\xED.");
}

TEST(Entrada, LaFechaLargaEsCastellana) {
    using namespace std::chrono;
    EXPECT_EQ(fechaLargaEnCastellano(sys_days{year{2026} / 12 / 6}), "domingo, 6 de diciembre de 2026");
    EXPECT_EQ(fechaLargaEnCastellano(sys_days{year{2026} / 9 / 19}), "s\xE1"
                                                                     "bado, 19 de septiembre de 2026");
    EXPECT_EQ(fechaLargaEnCastellano(sys_days{year{2027} / 1 / 20}), "mi\xE9rcoles, 20 de enero de 2027");
}

// What the answer label shows reads as a sentence: a capital after the label
// (or an opening mark) and a closing stop, question mark or ellipsis.
void esFrase(const std::string& rotulo, const std::string& etiqueta) {
    ASSERT_GT(rotulo.size(), etiqueta.size() + 1) << rotulo;
    ASSERT_EQ(rotulo.substr(0, etiqueta.size()), etiqueta);
    const auto primera = static_cast<unsigned char>(rotulo[etiqueta.size()]);
    EXPECT_TRUE(primera == 0xBF || primera == 0xA1 || ansi::mayuscula(primera) == primera) << rotulo;
    const char ultima = rotulo.back();
    EXPECT_TRUE(ultima == '.' || ultima == '?' || ultima == '!' || ultima == '\x85') << rotulo;
    EXPECT_EQ(rotulo.find(".."), rotulo.find("...")) << "two dots: " << rotulo;
}

// Every stage of both suspense answers, for every variant: the first reply,
// its growing dots, and the final reply, which no reveal completes.
TEST(Entrada, LasRespuestasConSuspensoSeLeenBienEnCadaEtapa) {
    const std::string etiqueta = fncDecodificar(textos::NombreAlmaPorDefecto);
    for (int variante = 1; variante <= 3; ++variante) {
        for (const bool es807 : {false, true}) {
            Banco s;
            s.v.estado().RangoExtraTema807 = 4; // suspense replies are possible from the start
            s.teclear(Control::txtPeticion, "Velmo, favor de responder:");
            if (es807) {
                s.azar.poner({10, variante});
                s.v.fncResponderPreguntaFrecuente(807);
            } else {
                s.azar.poner({variante});
                s.v.fncResponderPreguntaFrecuente(10006);
            }
            s.v.revelar();
            esFrase(s.caja(Control::lblRespuesta), etiqueta);
            for (int tic = 1; tic <= 42; ++tic) {
                s.v.tmrSuspenso_Timer();
                if (tic == 1 || tic == 40) {
                    esFrase(s.caja(Control::lblRespuesta), etiqueta);
                }
            }
            if (!es807) {
                s.azar.poner({variante});
            }
            s.v.tmrSuspenso_Timer();
            esFrase(s.caja(Control::lblRespuesta), etiqueta);
        }
    }
}

} // namespace
} // namespace auguron::prueba
