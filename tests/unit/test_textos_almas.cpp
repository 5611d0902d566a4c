// The soul labels, the fallback replies and the question keywords, read back
// through the cipher as the reveal will show them.

#include "Redaccion.h"
#include "texts/Almas.h"
#include "texts/Compartidas.h"
#include "texts/Ordinarias.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace auguron;
using namespace auguron::textos;

using namespace auguron::prueba;

std::vector<std::string> todasLasEtiquetas() {
    std::vector<std::string> r{claro(NombreAlmaPorDefecto)};
    for (auto medio : AlmaMedios) {
        for (auto fin : AlmaFinales) {
            r.push_back(claro(AlmaInicio) + claro(medio) + claro(fin));
        }
    }
    for (auto primero : Alma2Primeros) {
        for (auto fin : Alma2Finales) {
            r.push_back(claro(primero) + claro(fin));
        }
    }
    for (auto primero : Alma3Primeros) {
        r.push_back(claro(primero) + claro(Alma3Final));
    }
    for (auto entera : AlmasEnteras) {
        r.push_back(claro(entera));
    }
    return r;
}

TEST(TextosAlmas, CadaEtiquetaSePoneBienDelanteDeLaRespuesta) {
    const auto etiquetas = todasLasEtiquetas();
    ASSERT_EQ(etiquetas.size(), 1u + 104u);
    EXPECT_EQ(std::set<std::string>(etiquetas.begin(), etiquetas.end()).size(), etiquetas.size());
    for (const auto& e : etiquetas) {
        SCOPED_TRACE(e);
        ASSERT_GE(e.size(), 3u);
        EXPECT_TRUE(esMayuscula(e.front()));
        EXPECT_TRUE(terminaCon(e, ": ") || (e.back() == ' ' && e[e.size() - 2] != ':'));
        EXPECT_EQ(e.find("  "), std::string::npos);
        // A colon belongs only at the very end.
        EXPECT_EQ(e.find(':'), e.find_last_of(':'));
        EXPECT_LE(e.size(), 50u);
    }
}

TEST(TextosAlmas, LasPiezasSeJuntanConUnSoloBlanco) {
    // A piece followed by another ends with its blank; the one after it starts
    // with a letter. Otherwise the joined label glues or doubles the words.
    auto terminaEnBlanco = [](std::string_view p) { return !p.empty() && claro(p).back() == ' '; };
    auto empiezaConLetra = [](std::string_view p) { return !p.empty() && claro(p).front() != ' '; };
    EXPECT_TRUE(terminaEnBlanco(AlmaInicio));
    for (auto p : AlmaMedios) {
        EXPECT_TRUE(terminaEnBlanco(p) && empiezaConLetra(p)) << claro(p);
    }
    for (auto p : Alma2Primeros) {
        EXPECT_TRUE(terminaEnBlanco(p)) << claro(p);
    }
    for (auto p : Alma3Primeros) {
        EXPECT_TRUE(terminaEnBlanco(p)) << claro(p);
    }
    for (auto p : AlmaFinales) {
        EXPECT_TRUE(empiezaConLetra(p)) << claro(p);
    }
    for (auto p : Alma2Finales) {
        EXPECT_TRUE(empiezaConLetra(p)) << claro(p);
    }
    EXPECT_TRUE(empiezaConLetra(Alma3Final));
}

TEST(TextosAlmas, ElDialogoDelEspirituSonFrasesCompletas) {
    const std::string pregunta = claro(PreguntaEspiritu);
    EXPECT_EQ(static_cast<unsigned char>(pregunta.front()), kAbreInterrogacion);
    EXPECT_NE(pregunta.find('?'), std::string::npos);
    for (const auto& t : {pregunta, claro(RespuestaAlSi), claro(RespuestaAlNo)}) {
        SCOPED_TRACE(t);
        const char fin = t.back();
        EXPECT_TRUE(fin == '.' || fin == '?' || fin == '!');
        EXPECT_EQ(t.find("  "), std::string::npos);
        EXPECT_TRUE(equilibrado(t, kAbreInterrogacion, '?'));
        EXPECT_TRUE(equilibrado(t, kAbreExclamacion, '!'));
    }
}

TEST(TextosRespuestas, TodasAguantanElPuntoYLaMayusculaDelRevelado) {
    const std::vector<std::pair<const Lista*, int>> tablas = {{&RespuestasOrdinarias, 45},
                                                              {&RespuestasPeticionMala, 8},
                                                              {&RespuestasPreguntaMala, 11},
                                                              {&RespuestasPetYPregMalas, 13}};
    std::set<std::string> vistas;
    int total = 0;
    for (const auto& [lista, cantidad] : tablas) {
        ASSERT_EQ(lista->size(), cantidad);
        for (auto cifrada : *lista) {
            const std::string r = claro(cifrada);
            SCOPED_TRACE(r);
            ASSERT_GE(r.size(), 2u);
            EXPECT_NE(r.front(), ' ');
            EXPECT_NE(r.back(), ' ');
            EXPECT_EQ(r.find("  "), std::string::npos);
            const auto ultimo = static_cast<unsigned char>(r.back());
            // ! ) " ' » and the curly quotes would get the reveal's "." behind them.
            for (int malo : std::initializer_list<int>{'!', ')', '"', '\'', 0xBB, 0x94, 0x92, 0x85}) {
                EXPECT_NE(static_cast<int>(ultimo), malo);
            }
            EXPECT_FALSE(terminaCon(r, ".."));
            EXPECT_TRUE(equilibrado(r, kAbreInterrogacion, '?'));
            EXPECT_TRUE(equilibrado(r, kAbreExclamacion, '!'));
            // The reveal does not capitalise behind an opening sign.
            const auto primero = static_cast<unsigned char>(r.front());
            if (primero == kAbreInterrogacion || primero == kAbreExclamacion) {
                EXPECT_TRUE(esMayuscula(r[1]));
            }
            vistas.insert(r);
            ++total;
        }
    }
    EXPECT_EQ(static_cast<int>(vistas.size()), total) << "a reply appears twice";
}

TEST(TextosRespuestas, LasCompartidasSonLosMismosBytesQueLasOrdinarias26y32) {
    EXPECT_EQ(RespuestasOrdinarias[26].data(), tCompartidas[0].data());
    EXPECT_EQ(RespuestasOrdinarias[26].size(), 60u);
    EXPECT_EQ(RespuestasOrdinarias[32].data(), tCompartidas[1].data());
    EXPECT_EQ(RespuestasOrdinarias[32].size(), 60u);
}

TEST(TextosRespuestas, PalabrasDePreguntaEnFormaNormalizada) {
    ASSERT_EQ(PalabrasDePregunta.size(), 9);
    std::vector<std::string> claves;
    for (auto cifrada : PalabrasDePregunta) {
        const std::string p = claro(cifrada);
        SCOPED_TRACE(p);
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p, ansi::enMinusculas(p));
        EXPECT_EQ(p.find('k'), std::string::npos);
        for (unsigned char acento : {0xE1, 0xE9, 0xED, 0xF3, 0xFA}) { // á é í ó ú
            EXPECT_EQ(p.find(static_cast<char>(acento)), std::string::npos);
        }
        claves.push_back(p);
    }
    // A keyword inside another would make the longer one useless.
    for (std::size_t i = 0; i < claves.size(); ++i) {
        for (std::size_t j = 0; j < claves.size(); ++j) {
            if (i != j) {
                EXPECT_EQ(claves[j].find(claves[i]), std::string::npos) << claves[i] << " in " << claves[j];
            }
        }
    }
}

} // namespace
