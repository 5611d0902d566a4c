// The two-stage answers as the label shows them: every stage must read as a
// sentence. The reveal adds a full stop and a capital to the first reply, the
// timer's dots run on from what the reveal left, and the final reply is shown
// exactly as stored; so first replies end in dots and start with a capital,
// and finals bring their own capital and full stop.

#include "Apoyo.h"

#include <gtest/gtest.h>

namespace auguron {
namespace {

using prueba::Banco;

bool mayuscula(char c) {
    const auto u = static_cast<unsigned char>(c);
    return ansi::mayuscula(u) == u && ansi::minuscula(u) != u;
}

struct Caso {
    const char* pregunta;
    std::initializer_list<int> tiradas; // first stage, then the final's
};

TEST(Suspenso, CadaEtapaSeLeeComoUnaFrase) {
    const std::string etiqueta = fncDecodificar(textos::NombreAlmaPorDefecto);
    for (const Caso c :
         {Caso{"¿Cuál es el sentido de la vida", {1, 1}}, Caso{"¿Cuál es el sentido de la vida", {2, 2}},
          Caso{"¿Cuál es el sentido de la vida", {3, 3}}, Caso{"¿Quién es el amor de mi vida", {10, 1}},
          Caso{"¿Quién es el amor de mi vida", {11, 2}}, Caso{"¿Quién es el amor de mi vida", {12, 3}}}) {
        Banco b;
        b.e().RangoExtraTema807 = 4; // suspense answers of the 807 group possible
        b.azar.poner(c.tiradas);
        b.preguntar("Velmo, favor de responder", prueba::w(c.pregunta));
        const std::string primera = b.mostrada().substr(etiqueta.size());
        SCOPED_TRACE(primera);
        ASSERT_TRUE(b.e().SuspensoActivo);
        EXPECT_TRUE(mayuscula(primera.front()));
        EXPECT_TRUE(primera.ends_with("..."));
        EXPECT_EQ(b.e().Respuesta, primera) << "the reveal changed what the dots follow";
        for (int tic = 1; tic <= 42; ++tic) {
            b.v.tmrSuspenso_Timer();
            if (tic == 40) {
                EXPECT_EQ(b.mostrada(), etiqueta + primera + std::string(40, '.'));
            }
        }
        b.v.tmrSuspenso_Timer(); // the 43rd tick shows the final reply as stored
        const std::string final = b.mostrada().substr(etiqueta.size());
        EXPECT_TRUE(mayuscula(final.front())) << final;
        EXPECT_TRUE(final.ends_with(".") && !final.ends_with("..")) << final;
    }
}

} // namespace
} // namespace auguron
