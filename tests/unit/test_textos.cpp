// The stored texts read back through the cipher, joined the way the
// responders join them, as the reveal shows them: it puts the label in front,
// a capital first and a full stop last unless one is there.

#include "Apoyo.h"

#include "texts/Ordinarias.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace auguron {
namespace {

using prueba::cada;
using prueba::plano;
using namespace textos;

constexpr unsigned char kAbreInterrogacion = 0xBF, kAbreExclamacion = 0xA1;

bool esMayuscula(char c) {
    const auto u = static_cast<unsigned char>(c);
    return ansi::mayuscula(u) == u && ansi::minuscula(u) != u;
}

// Each opening sign is closed later by its partner.
bool equilibrado(const std::string& s, unsigned char abre, char cierra) {
    int abiertos = 0;
    for (const char c : s) {
        abiertos += static_cast<unsigned char>(c) == abre ? 1 : c == cierra ? -1 : 0;
        if (abiertos < 0) {
            return false;
        }
    }
    return abiertos == 0;
}

void revisarRespuesta(const std::string& r) {
    SCOPED_TRACE(r);
    ASSERT_GE(r.size(), 2u);
    EXPECT_NE(r.front(), ' ');
    EXPECT_EQ(r.find("  "), std::string::npos);
    EXPECT_EQ(r.find(" ,"), std::string::npos);
    EXPECT_TRUE(equilibrado(r, kAbreInterrogacion, '?'));
    EXPECT_TRUE(equilibrado(r, kAbreExclamacion, '!'));
    // These would get the reveal's full stop behind them.
    const auto ultimo = static_cast<unsigned char>(r.back());
    for (int malo :
         std::initializer_list<int>{' ', '!', ')', '"', '\'', ',', ';', ':', 0xBB, 0x94, 0x92, 0x85}) {
        EXPECT_NE(static_cast<int>(ultimo), malo);
    }
    EXPECT_FALSE(r.ends_with(".."));
    // The reveal does not capitalise behind an opening sign.
    if (static_cast<unsigned char>(r.front()) == kAbreInterrogacion ||
        static_cast<unsigned char>(r.front()) == kAbreExclamacion) {
        EXPECT_TRUE(esMayuscula(r[1]));
    }
}

TEST(Textos, LasEtiquetasSePonenDelanteDeLaRespuesta) {
    // 104 soul labels, the default one and the four of the frequent topics.
    ASSERT_EQ(prueba::rotulos().size(), 109u) << "two labels are the same";
    for (const std::string& e : prueba::rotulos()) {
        SCOPED_TRACE(e);
        EXPECT_TRUE(esMayuscula(e.front()));
        EXPECT_TRUE(e.ends_with(": ") || (e.ends_with(" ") && e.find(':') == std::string::npos));
        EXPECT_EQ(e.find("  "), std::string::npos) << "pieces join with one blank";
        EXPECT_EQ(e.find(':'), e.find_last_of(':'));
    }
}

TEST(Textos, CadaRespuestaAguantaElRevelado) {
    std::vector<std::string> r;
    for (auto t : {Tema104, Tema509, Tema10002Etapa0, Tema10002Etapa1, Tema404Reza, Tema10007}) {
        r.push_back(plano(t));
    }
    const auto listas = [&](const auto&... l) {
        (cada(l, [&](std::string_view t) { r.push_back(plano(t)); }), ...);
    };
    listas(RespuestasOrdinarias, RespuestasPeticionMala, RespuestasPreguntaMala, RespuestasPetYPregMalas,
           Tema101, Tema1202, Tema1002, Tema7, Tema6608, Tema110, Tema711, Tema413, Tema14, Tema15, Tema1300,
           Tema5300, Tema5500, Tema10003, Tema10004, Tema10005, Tema10008, Tema10009, Tema2003, Tema305,
           Tema712YaDados, Tema10001, Tema10002Etapa2, Obviedades, TemasRepetidos, Tema404Primera,
           Tema404NoQuiere, Tema404NoVende, Tema404NoReza, Tema807Simples, Tema807Breves, Tema10006Primeras);
    // Replies joined from pieces, numbers and dates.
    const auto unir = [](auto... piezas) { return plano((std::string(piezas) + ...)); };
    cada(Tema5016Bases, [&](auto b) { cada(Tema5016Finales, [&](auto f) { r.push_back(unir(b, f)); }); });
    for (std::string_view a : {std::string_view(), Tema807Aperturas[1], Tema807Aperturas[2]}) {
        cada(Tema807Medios,
             [&](auto m) { cada(Tema807Cierres, [&](auto c) { r.push_back(unir(a, m, c)); }); });
    }
    for (int fila = 1; fila <= 4; ++fila) {
        r.push_back(unir(Tema706Primeros[fila], fncCodificar(" 7"), Tema706Ultimos[fila]));
    }
    const std::string numeros = fncCodificar(" 0") + std::string(Tema712Separador) + fncCodificar(" 35") +
                                std::string(Tema712Separador) + fncCodificar(" 3") +
                                std::string(Tema712Separador) + fncCodificar(" 15");
    cada(Tema712, [&](auto t) { r.push_back(unir(t, numeros)); });
    r.push_back(unir(Tema10001Entrada, fncCodificar("14:30")));
    for (const char* fecha : {"domingo, 6 de diciembre de 2026", "6/12/2026"}) {
        r.push_back(unir(Tema10002AntesFecha, fncCodificar(fecha), Tema10002DespuesFecha));
    }
    std::set<std::string> distintas;
    for (const std::string& t : r) {
        revisarRespuesta(t);
        distintas.insert(t);
    }
    // Two ordinary replies also answer one topic; no other text stands twice.
    EXPECT_EQ(distintas.size() + 2, r.size());
}

TEST(Textos, ElDialogoDelEspirituSonFrasesCompletas) {
    EXPECT_EQ(static_cast<unsigned char>(plano(PreguntaEspiritu).front()), kAbreInterrogacion);
    for (auto cifrado : {PreguntaEspiritu, RespuestaAlSi, RespuestaAlNo}) {
        const std::string t = plano(cifrado);
        EXPECT_TRUE(t.ends_with(".") || t.ends_with("?") || t.ends_with("!")) << t;
        EXPECT_TRUE(equilibrado(t, kAbreInterrogacion, '?')) << t;
        EXPECT_TRUE(equilibrado(t, kAbreExclamacion, '!')) << t;
    }
}

// fncGeneralizar's form: lower case, "qu" for "k", no acute accents; and no
// keyword inside another, which would make the longer one useless.
TEST(Textos, PalabrasDePreguntaEnFormaNormalizada) {
    const std::vector<std::string> claves = prueba::todos(PalabrasDePregunta);
    for (const std::string& c : claves) {
        const std::string p = plano(c);
        EXPECT_EQ(p, ansi::enMinusculas(p));
        EXPECT_EQ(p.find_first_of(prueba::w("káéíóú")), std::string::npos) << p;
        for (const std::string& otra : claves) {
            EXPECT_TRUE(otra == c || otra.find(c) == std::string::npos) << p << " in " << plano(otra);
        }
    }
}

} // namespace
} // namespace auguron
