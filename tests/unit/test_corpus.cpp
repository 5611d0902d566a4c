// The corpus of natural questions (tests/datos/preguntas.tsv) asked in one run,
// as a user would ask them: each row must reach its code and get one of its
// replies, and a row marked "-" must get no topic's reply.

#include "ConBanco.h"
#include "answer/Detectores.h"
#include "texts/PalabrasClave.h"
#include "util/Ansi.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace auguron {
namespace {

class Claves : public prueba::ConBanco {};

// Share of the corpus that reaches a code with replies of its own, as the
// keyword groups stand now (250 of 378). Short of 0.70: a lock of two keywords
// lets only two words of work, money, health or the future through, and death
// shares its lock with "why". It may only go up.
constexpr double kMinimoConCodigo = 0.66;

// Every code with replies of its own, and a corpus question that reaches it.
const std::map<Entero, std::string> kPreguntaPorCodigo{
    {7, "¿Encontraré el amor?"},
    {14, "¿Existe Dios?"},
    {15, "¿Se va a acabar el mundo?"},
    {101, "¿Cuándo voy a morir?"},
    {104, "¿Por qué el destino me odia?"},
    {110, "¿Por qué estoy triste?"},
    {305, "¿Qué día es mi boda?"},
    {307, "¿Qué día encontraré el amor?"},
    {314, "¿Qué día veré a Dios?"},
    {315, "¿Qué día se acabará el mundo?"},
    {404, "¿Qué dice el destino de mi salud?"},
    {413, "¿Tengo buena salud?"},
    {509, "¿Es verdad que la Tierra es redonda?"},
    {607, "¿Cuántos novios tendré?"},
    {706, "¿Tendré suerte?"},
    {711, "¿Cuál es mi color favorito?"},
    {712, "¿Ganaré la lotería?"},
    {807, "¿Quién será mi esposa?"},
    {1002, "¿Seré rica?"},
    {1007, "¿Érica tiene novio?"},
    {1202, "¿Voy a ser rico?"},
    {1300, "¿Qué día me pagarán en la fábrica?"},
    {1807, "¿Quién es el novio de Érica?"},
    {2003, "¿Conseguiré trabajo?"},
    {3304, "¿Qué me depara el futuro?"},
    {4005, "¿Me voy a casar?"},
    {4305, "¿Qué día me casaré?"},
    {4413, "¿La humedad de mi casa me va a enfermar?"},
    {5016, "¿Voy a aprobar el examen?"},
    {5300, "¿Qué día me darán las notas?"},
    {5500, "¿Es verdad que sacaré buenas notas?"},
    {5616, "¿Cuánto voy a sacar en el examen?"},
    {6007, "¿Tiene novia mi hermano?"},
    {6608, "¿Cuántos años me quedan de vida?"},
    {6807, "¿Quién es el novio de mi hermana?"},
    {10001, "¿Qué hora es?"},
    {10002, "¿Qué día es hoy?"},
    {10003, "¿Existes?"},
    {10004, "¿Tendré hijos?"},
    {10005, "¿Cuántos años tienes?"},
    {10006, "¿Cuál es el sentido de la vida?"},
    {10007, "¿Me muestras las estadísticas?"},
    {10008, "¿De qué color es el caballo blanco de San Martín?"},
    {10009, "¿Quién soy?"},
};

TEST(Corpus, CadaPreguntaLlegaASuCodigo) {
    std::ifstream archivo(AUGURON_CORPUS);
    ASSERT_TRUE(archivo) << AUGURON_CORPUS;
    Consulta consulta(12345, std::chrono::sys_days{std::chrono::year{2026} / 12 / 6}, 10 * 3600.0);
    int filas = 0;
    int conCodigo = 0;
    std::map<std::string, Entero> alcanzado; // question -> the code it reached
    for (std::string linea; std::getline(archivo, linea);) {
        if (linea.empty() || linea.front() == '#') {
            continue;
        }
        const std::size_t tab = linea.find('\t');
        ASSERT_NE(tab, std::string::npos) << linea;
        const std::string pregunta = linea.substr(0, tab);
        const std::string esperado = linea.substr(tab + 1);
        const Entero ordinariasAntes = consulta.velmo().cantOtrasPreguntas();
        const Entero frecuentesAntes = consulta.velmo().cantPregFrecuentes();
        const Consulta::Respuesta r = consulta.preguntar(ansi::deUtf8(pregunta));
        const bool ordinaria = consulta.velmo().cantOtrasPreguntas() == ordinariasAntes + 1;
        ++filas;
        alcanzado[pregunta] = r.tema;
        if (esperado == "-") {
            EXPECT_EQ(consulta.velmo().cantPregFrecuentes(), frecuentesAntes)
                << pregunta << " reached " << r.tema;
        } else {
            ++conCodigo;
            EXPECT_EQ(std::to_string(r.tema), esperado) << pregunta;
            EXPECT_FALSE(ordinaria) << pregunta << ": code " << esperado << " has no replies";
        }
    }
    const double parte = static_cast<double>(conCodigo) / filas;
    std::cout << conCodigo << " of " << filas << " questions reach a code with replies\n";
    EXPECT_GE(filas, 300);
    EXPECT_GE(parte, kMinimoConCodigo);

    // Every code the three families or the one-off questions can form that
    // has replies of its own is named above, with a row that reaches it.
    std::vector<Entero> codigos;
    for (Entero c = 10001; c <= 10009; ++c) {
        codigos.push_back(c);
    }
    for (int c = 0; c <= 6816; ++c) {
        if (c % 1000 / 100 <= 8 && c % 100 <= 16) {
            codigos.push_back(static_cast<Entero>(c));
        }
    }
    std::size_t conRespuestas = 0;
    for (const Entero c : codigos) {
        prueba::Banco b(1);
        b.v.frecuentes().fncResponderPreguntaFrecuente(c);
        if (b.e().CantOtrasPreguntas == 0) { // not answered as an ordinary question
            ++conRespuestas;
            const auto fila = kPreguntaPorCodigo.find(c);
            ASSERT_NE(fila, kPreguntaPorCodigo.end()) << c << " has replies but no question reaches it";
            EXPECT_EQ(alcanzado[fila->second], c) << fila->second;
        }
    }
    EXPECT_EQ(conRespuestas, kPreguntaPorCodigo.size());
}

// Whatever their wording, the keywords are written as fncGeneralizar leaves a
// question, each alone reaches its own code (none hidden behind an earlier
// group), no word is in two lists, and "¿" or "¡" glued to a first word hides
// no whole-word keyword.
TEST_F(Claves, CadaUnaLlegaASuCodigo) {
    using namespace textos;
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    const auto codigo = [&v](std::string texto) {
        return fncClasificarPregunta(fncPreguntaBuscable(v.fncGeneralizar(texto)));
    };
    const std::string prohibidas = prueba::w("ABCDEFGHIJKLMNOPQRSTUVWXYZkÁÉÍÓÚáéíóú¿¡?");
    std::map<std::string, int> claves; // keyword -> the part of the code it must give
    const auto poner = [&](const Lista& l, int valor) {
        for (const std::string_view c : l) {
            const std::string clave = fncDecodificar(c);
            EXPECT_EQ(clave.find_first_of(prohibidas), std::string::npos) << clave;
            EXPECT_TRUE(claves.emplace(clave, valor).second) << clave << " is in two lists";
        }
    };
    const auto familia = [&](const auto& listas, int primero, int paso) {
        for (std::size_t i = 0; i < listas.size(); ++i) {
            poner(listas[i], primero + paso * static_cast<int>(i));
        }
    };
    familia(std::array<Lista, 9>{lista<Claves10001>, lista<Claves10002>, lista<Claves10003>,
                                 lista<Claves10004>, lista<Claves10005>, lista<Claves10006>,
                                 lista<Claves10007>, lista<Claves10008>, lista<Claves10009>},
            10001, 1);
    familia(GruposUnidades, 1, 1);
    familia(GruposCentenas, 100, 100);
    familia(GruposMillares, 1000, 1000);
    for (const auto& [clave, valor] : claves) {
        const int c = codigo(clave);
        const int parte = valor > 10000 || valor < 100 ? c % (valor > 10000 ? 100000 : 100)
                          : valor < 1000               ? c % 1000 / 100 * 100
                                                       : c / 1000 * 1000;
        EXPECT_EQ(parte, valor) << clave << " gives " << c;
        if (clave.front() == ' ' && clave.size() > 1) {
            for (const char signo : {'\xBF', '\xA1'}) { // "¿" and "¡"
                EXPECT_EQ(codigo(std::string(1, signo).append(clave, 1)), codigo(clave.substr(1))) << clave;
            }
        }
    }
    // The mark still counts as part of the first word, not as a blank.
    prueba::Banco& b = banco();
    b.azar.poner({1});
    b.preguntar("Velmo, favor de responder", prueba::w("¿Dios existe"));
    EXPECT_EQ(b.e().CantPalabras, 2);
    EXPECT_NE(b.v.temaDetectado(), 0);
}

} // namespace
} // namespace auguron
