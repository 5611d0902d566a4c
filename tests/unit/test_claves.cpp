// What every keyword list must keep whatever its wording: keywords written as
// fncGeneralizar leaves a question, none hidden behind another, and one word
// shared between the date question and the hundreds family.

#include "Apoyo.h"
#include "texts/Claves.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace auguron {
namespace {

using namespace textos;

std::vector<std::string> planas(const Lista& l) {
    std::vector<std::string> r;
    for (const std::string_view c : l) {
        r.push_back(fncDecodificar(c));
    }
    return r;
}

TEST(Claves, NormalizadasYCadaUnaLlegaASuGrupo) {
    const std::string prohibidas = prueba::w("ABCDEFGHIJKLMNOPQRSTUVWXYZkÁÉÍÓÚáéíóú¿¡?");
    std::map<std::string, int> frecuentes; // keyword -> value of its group
    auto familia = [&](const auto& grupos, int paso) {
        for (std::size_t i = 0; i < grupos.size(); ++i) {
            for (const std::string& c : planas(grupos[i])) {
                EXPECT_TRUE(frecuentes.emplace(c, paso * static_cast<int>(i + 1)).second) << "twice: " << c;
            }
        }
    };
    familia(GruposUnidades, 1);
    familia(GruposCentenas, 100);
    familia(GruposMillares, 1000);
    for (const auto& [c, valor] : frecuentes) {
        EXPECT_EQ(c.find_first_of(prohibidas), std::string::npos) << c;
        EXPECT_NE(c.find_first_not_of(' '), std::string::npos);
        const int codigo = Velmo::fncDetectarPreguntaFrecuente(fncCodificar(" " + c + " "));
        const int parte = valor < 100    ? codigo % 100
                          : valor < 1000 ? codigo % 1000 / 100 * 100
                                         : codigo / 1000 * 1000;
        EXPECT_EQ(parte, valor) << '"' << c << "\" gives " << codigo;
    }

    const std::vector<std::pair<int, std::vector<std::string>>> puntuales = {
        {10001, planas(lista<Claves10001>)}, {10002, planas(lista<Claves10002>)},
        {10003, planas(lista<Claves10003>)}, {10004, planas(lista<Claves10004>)},
        {10005, planas(lista<Claves10005>)}, {10006, planas(lista<Claves10006>)},
        {10007, planas(lista<Claves10007>)}, {10008, planas(lista<Claves10008>)},
        {10009, planas(lista<Claves10009>)}};
    std::vector<std::string> todas;
    for (const auto& [codigo, claves] : puntuales) {
        for (const std::string& c : claves) {
            EXPECT_EQ(c.find_first_of(prohibidas), std::string::npos) << c;
            EXPECT_EQ(Velmo::fncDetectarPreguntaPuntual(fncCodificar(" " + c + " ")), codigo) << c;
            todas.push_back(c);
        }
    }
    for (const Lista& l : {lista<Excluye10001>, lista<Excluye10002>, lista<Excluye10003>, lista<Excluye10006>,
                           lista<Excluye10008>}) {
        for (const std::string& c : planas(l)) {
            EXPECT_EQ(c.find_first_of(prohibidas), std::string::npos) << c;
            todas.push_back(c);
        }
    }
    EXPECT_EQ(std::set<std::string>(todas.begin(), todas.end()).size(), todas.size());
    std::vector<std::string> compartidas;
    for (const std::string& c : todas) {
        if (frecuentes.count(c) != 0) {
            compartidas.push_back(c);
        }
    }
    ASSERT_EQ(compartidas.size(), 1u);
    EXPECT_EQ(frecuentes[compartidas[0]], 300);
}

} // namespace
} // namespace auguron
