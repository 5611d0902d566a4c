// The stored texts read back through the cipher, joined the way the
// responders join them, as the reveal shows them: the label in front, a
// capital first and a full stop last unless one is there. (The suspense
// replies, which the reveal does not finish, are checked with the input tests.)

#include "Rotulos.h"

#include "texts/TextosRespaldo.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace auguron {
namespace {

using prueba::cada;
using prueba::plano;
using namespace textos;

bool esMayuscula(char c) {
    const auto u = static_cast<unsigned char>(c);
    return ansi::mayuscula(u) == u && ansi::minuscula(u) != u;
}

TEST(Textos, LasEtiquetasSePonenDelanteDeLaRespuesta) {
    // 104 soul labels, the default one and the four of the frequent topics.
    ASSERT_EQ(prueba::rotulos().size(), 109u) << "two labels are the same";
    for (const std::string& e : prueba::rotulos()) {
        EXPECT_TRUE(esMayuscula(e.front())) << e;
        EXPECT_TRUE(e.ends_with(": ") || (e.ends_with(" ") && e.find(':') == std::string::npos)) << e;
        EXPECT_EQ(e.find("  "), std::string::npos) << "pieces join with one blank: " << e;
        EXPECT_EQ(e.find(':'), e.find_last_of(':')) << e;
    }
}

TEST(Textos, CadaRespuestaAguantaElRevelado) {
    std::vector<std::string> r;
    const auto listas = [&](const auto&... l) {
        (cada(l, [&](std::string_view t) { r.push_back(plano(t)); }), ...);
    };
    listas(RespuestasOrdinarias, RespuestasPeticionMala, RespuestasPreguntaMala, RespuestasPetYPregMalas,
           Tema101, Tema1202, Tema1002, Tema7, Tema6608, Tema110, Tema711, Tema413, Tema14, Tema15, Tema1300,
           Tema5300, Tema5500, Tema10003, Tema10004, Tema10005, Tema10008, Tema10009, Tema2003, Tema305,
           Tema712YaDados, Tema10001, Tema10002Etapa2, Obviedades, TemasRepetidos, Tema404Primera,
           Tema404NoQuiere, Tema404NoVende, Tema404NoReza, Tema807Simples, Tema807Breves);
    for (std::string_view t : std::initializer_list<std::string_view>{
             Tema104, Tema509, Tema10002Etapa0, Tema10002Etapa1, Tema404Reza, Tema10007}) {
        r.push_back(plano(t));
    }
    // Joined from pieces.
    const auto unir = [](auto... piezas) { return plano((std::string(piezas) + ...)); };
    cada(Tema5016Bases, [&](auto b) { cada(Tema5016Finales, [&](auto f) { r.push_back(unir(b, f)); }); });
    for (std::string_view a : {std::string_view(), Tema807Aperturas[1], Tema807Aperturas[2]}) {
        cada(Tema807Medios,
             [&](auto m) { cada(Tema807Cierres, [&](auto c) { r.push_back(unir(a, m, c)); }); });
    }
    for (const std::string& t : r) {
        ASSERT_GE(t.size(), 2u);
        EXPECT_TRUE(t.front() != ' ' && t.find("  ") == std::string::npos &&
                    t.find(" ,") == std::string::npos)
            << t;
        // A stored reply ends where the reveal's full stop belongs, or in "?":
        // a stop behind a blank, comma or quote garbles, and behind "!" or "…"
        // the reveal adds none. One that opens with "¿" or "¡" is written with
        // the capital the reveal gives it.
        EXPECT_EQ(prueba::w(" !),;:\"'»”’…").find(t.back()), std::string::npos) << t;
        EXPECT_FALSE(t.ends_with("..")) << t;
        EXPECT_TRUE(prueba::w("¿¡").find(t.front()) == std::string::npos || esMayuscula(t[1])) << t;
        EXPECT_EQ(std::count(t.begin(), t.end(), '?'), std::count(t.begin(), t.end(), prueba::w("¿")[0]))
            << t;
    }
    // Two ordinary replies also answer one topic; no other text stands twice.
    EXPECT_EQ(std::set<std::string>(r.begin(), r.end()).size() + 2, r.size());
}

// The obvious-question replies answer riddles and facts, but also questions
// to the spirit itself ("¿Eres un demonio?") and about the user: none may send
// the user to some other spirit or soothsayer, nor to the question's words.
TEST(Textos, LasObviedadesValenParaTodosSusCodigos) {
    cada(Obviedades, [](std::string_view t) {
        for (const char* fuera : {"espíritu", "adivin", "léela"}) {
            EXPECT_EQ(plano(t).find(prueba::w(fuera)), std::string::npos) << plano(t);
        }
    });
}

} // namespace
} // namespace auguron
