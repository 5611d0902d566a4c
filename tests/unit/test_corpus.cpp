// The corpus of natural questions (tests/datos/preguntas.tsv) asked in one run,
// as a user would ask them: each row must reach its code and get one of its
// replies, and a row marked "-" must get no topic's reply.

#include "Apoyo.h"
#include "texts/Claves.h"
#include "util/Ansi.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <string>

namespace auguron {
namespace {

// Share of the corpus that reaches a code with replies of its own, as the
// keyword groups stand now (238 of 359). Short of 0.70: a lock of two keywords
// lets only two words of work, money, health or the future through, and death
// shares its lock with "why". It may only go up.
constexpr double kMinimoConCodigo = 0.66;

TEST(Corpus, CadaPreguntaLlegaASuCodigo) {
    std::ifstream archivo(AUGURON_CORPUS);
    ASSERT_TRUE(archivo) << AUGURON_CORPUS;
    Consulta consulta(12345, std::chrono::sys_days{std::chrono::year{2026} / 12 / 6}, 10 * 3600.0);
    int filas = 0;
    int conCodigo = 0;
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
}

// fncGeneralizar keeps "¿" and "¡" glued to the first word; the keyword tests
// must still find a whole-word keyword right behind them.
TEST(Corpus, LasAperturasNoEsconden) {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v(p, azar);
    auto codigo = [&v](std::string texto) {
        return Velmo::fncClasificarPregunta(Velmo::fncPreguntaBuscable(v.fncGeneralizar(texto)));
    };
    int vistas = 0;
    auto probar = [&](const textos::Lista& claves) {
        for (const std::string_view c : claves) {
            const std::string clave = fncDecodificar(c);
            if (clave.front() != ' ' || clave.size() < 2) {
                continue;
            }
            const std::string palabra = clave.substr(1);
            const Entero sola = codigo(palabra);
            EXPECT_NE(sola, 0) << palabra;
            EXPECT_EQ(codigo("\xBF" + palabra), sola) << palabra;
            EXPECT_EQ(codigo("\xA1" + palabra), sola) << palabra;
            ++vistas;
        }
    };
    using namespace textos;
    for (const Lista& l :
         {lista<Claves10001>, lista<Claves10002>, lista<Claves10003>, lista<Claves10004>, lista<Claves10005>,
          lista<Claves10006>, lista<Claves10007>, lista<Claves10008>, lista<Claves10009>}) {
        probar(l);
    }
    for (const Lista& g : GruposUnidades) {
        probar(g);
    }
    for (const Lista& g : GruposCentenas) {
        probar(g);
    }
    for (const Lista& g : GruposMillares) {
        probar(g);
    }
    EXPECT_GT(vistas, 10);

    // The mark still counts as part of the first word, not as a blank.
    prueba::Banco b;
    b.azar.poner({1});
    b.preguntar("Velmo, favor de responder", "\xBF"
                                             "Dios existe");
    EXPECT_EQ(b.e().CantPalabras, 2);
    EXPECT_NE(b.v.temaDetectado(), 0);
}

} // namespace
} // namespace auguron
