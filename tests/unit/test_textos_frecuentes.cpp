// The replies of the frequent topics, read back through the cipher and joined
// the way the responders join them, as the reveal will show them.

#include "Redaccion.h"
#include "texts/Compartidas.h"
#include "texts/Frecuentes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace auguron;
using namespace auguron::textos;

using namespace auguron::prueba;

// Blanks and opening/closing signs that a joined text may break.
void revisarUniones(const std::string& r) {
    SCOPED_TRACE(r);
    EXPECT_NE(r.front(), ' ');
    EXPECT_NE(r.back(), ' ');
    EXPECT_EQ(r.find("  "), std::string::npos);
    EXPECT_EQ(r.find(" ,"), std::string::npos);
    EXPECT_TRUE(equilibrado(r, kAbreInterrogacion, '?'));
    EXPECT_TRUE(equilibrado(r, kAbreExclamacion, '!'));
}

// What the reveal needs of a whole reply: it adds "." and a capital.
void revisarRespuesta(const std::string& r) {
    ASSERT_GE(r.size(), 2u) << r;
    revisarUniones(r);
    SCOPED_TRACE(r);
    const auto ultimo = static_cast<unsigned char>(r.back());
    for (int malo : std::initializer_list<int>{'!', ')', '"', '\'', ',', ';', ':', 0xBB, 0x94, 0x92, 0x85}) {
        EXPECT_NE(static_cast<int>(ultimo), malo);
    }
    EXPECT_FALSE(terminaCon(r, ".."));
    const auto primero = static_cast<unsigned char>(r.front());
    if (primero == kAbreInterrogacion || primero == kAbreExclamacion) {
        EXPECT_TRUE(esMayuscula(r[1]));
    }
}

// A piece enciphered at run time, as the responders do with numbers and dates.
std::string cifrado(std::string_view plano) {
    return fncCodificar(plano);
}

TEST(TextosFrecuentes, CadaListaTieneUnTextoPorValorDelSorteo) {
    const std::vector<std::pair<const Lista*, int>> listas = {
        {&Tema101, 4},         {&Tema1202, 3},        {&Tema1002, 3},
        {&Tema7, 6},           {&Tema6608, 5},        {&Tema110, 3},
        {&Tema711, 2},         {&Tema413, 2},         {&Tema14, 2},
        {&Tema15, 2},          {&Tema1300, 3},        {&Tema5300, 2},
        {&Tema5500, 5},        {&Tema10003, 4},       {&Tema10004, 3},
        {&Tema10005, 3},       {&Tema10008, 2},       {&Tema10009, 2},
        {&Tema5016Bases, 4},   {&Tema5016Finales, 4}, {&Tema2003, 3},
        {&Tema305, 3},         {&Tema706Primeros, 4}, {&Tema706Ultimos, 4},
        {&Tema712, 3},         {&Tema712YaDados, 3},  {&Tema10001, 3},
        {&Tema10002Etapa2, 3}, {&Obviedades, 8},      {&TemasRepetidos, 6},
        {&Tema404Primera, 4},  {&Tema404NoQuiere, 2}, {&Tema404NoVende, 4},
        {&Tema404NoReza, 3},   {&Tema807Simples, 4},  {&Tema807Aperturas, 2},
        {&Tema807Medios, 2},   {&Tema807Cierres, 4},  {&Tema807Breves, 5},
        {&Tema807PiezasA, 3},  {&Tema807PiezasB, 3},  {&Tema807PiezasC, 3},
        {&Tema807Estados, 3},  {&Tema807Finales, 3},  {&Tema10006Primeras, 3},
        {&Tema10006Finales, 2}};
    for (std::size_t i = 0; i < listas.size(); ++i) {
        EXPECT_EQ(listas[i].first->size(), listas[i].second) << "list #" << i;
    }
}

TEST(TextosFrecuentes, LasRespuestasEnterasAguantanElRevelado) {
    std::vector<std::string_view> enteras = {Tema104,         Tema509,     Tema10002Etapa0,
                                             Tema10002Etapa1, Tema404Reza, Tema10007};
    for (const Lista* l :
         {&Tema101,        &Tema1202,        &Tema1002,          &Tema7,           &Tema6608,
          &Tema110,        &Tema711,         &Tema413,           &Tema14,          &Tema15,
          &Tema1300,       &Tema5300,        &Tema5500,          &Tema10003,       &Tema10004,
          &Tema10005,      &Tema10008,       &Tema10009,         &Tema2003,        &Tema305,
          &Tema712YaDados, &Tema10001,       &Tema10002Etapa2,   &Obviedades,      &TemasRepetidos,
          &Tema404Primera, &Tema404NoQuiere, &Tema404NoVende,    &Tema404NoReza,   &Tema807Simples,
          &Tema807Breves,  &Tema807Finales,  &Tema10006Primeras, &Tema10006Finales}) {
        enteras.insert(enteras.end(), l->begin(), l->end());
    }
    std::set<std::string> distintas;
    for (auto e : enteras) {
        const std::string r = claro(e);
        revisarRespuesta(r);
        distintas.insert(r);
    }
    // The two texts shared with the ordinary replies stand here once each.
    EXPECT_EQ(distintas.size(), enteras.size()) << "a reply appears twice";
}

TEST(TextosFrecuentes, Tema6608UsaLosMismosBytesQueLasOrdinarias) {
    EXPECT_EQ(Tema6608[1].data(), tCompartidas[1].data());
    EXPECT_EQ(Tema6608[4].data(), tCompartidas[0].data());
    EXPECT_EQ(Tema6608[1].size(), 60u);
    EXPECT_EQ(Tema6608[4].size(), 60u);
}

TEST(TextosFrecuentes, LasEtiquetasSeLeenDelanteDeLaRespuesta) {
    std::set<std::string> vistas;
    for (auto cifrada : {EtiquetaA, EtiquetaB, EtiquetaC, EtiquetaD}) {
        const std::string e = claro(cifrada);
        SCOPED_TRACE(e);
        EXPECT_TRUE(esMayuscula(e.front()));
        EXPECT_TRUE(terminaCon(e, ": "));
        EXPECT_EQ(e.find("  "), std::string::npos);
        EXPECT_EQ(e.find(':'), e.size() - 2);
        vistas.insert(e);
    }
    EXPECT_EQ(vistas.size(), 4u);
}

TEST(TextosFrecuentes, LasDieciseisNotasSeLeenBien) {
    for (auto base : Tema5016Bases) {
        for (auto fin : Tema5016Finales) {
            revisarRespuesta(claro(std::string(base) + std::string(fin)));
        }
    }
}

TEST(TextosFrecuentes, LasVeinticuatroRespuestasEnTresPiezas) {
    std::vector<std::string> aperturas{""};
    for (auto a : Tema807Aperturas) {
        const std::string p = claro(a);
        EXPECT_TRUE(terminaCon(p, " ")) << p;
        aperturas.push_back(std::string(a));
    }
    int vistas = 0;
    for (const auto& a : aperturas) {
        for (auto m : Tema807Medios) {
            for (auto c : Tema807Cierres) {
                revisarRespuesta(claro(a + std::string(m) + std::string(c)));
                ++vistas;
            }
        }
    }
    EXPECT_EQ(vistas, 24);
}

TEST(TextosFrecuentes, ElSuspensoDeLos807ConSusPuntos) {
    const std::string separador = claro(Tema807Separador);
    const std::string cola = claro(Tema807Cola);
    ASSERT_EQ(separador.size(), 1u);
    ASSERT_EQ(cola.size(), 30u);
    EXPECT_EQ(cola.find_first_not_of(cola.front()), std::string::npos) << cola;
    EXPECT_NE(cola.front(), ' ');
    std::set<std::string> estados;
    for (int v = 1; v <= 3; ++v) {
        const std::string primera =
            claro(std::string(Tema807PiezasA[v]) + std::string(Tema807Separador) +
                  std::string(Tema807PiezasB[v]) + std::string(Tema807Separador) +
                  std::string(Tema807PiezasC[v]) + std::string(Tema807Separador) + std::string(Tema807Cola));
        SCOPED_TRACE(primera);
        // Exactly the three separators the join put in, the tail last.
        std::size_t separadores = 0;
        for (std::size_t i = primera.find(separador); i != std::string::npos;
             i = primera.find(separador, i + 1)) {
            ++separadores;
        }
        EXPECT_EQ(separadores, 3u);
        EXPECT_TRUE(terminaCon(primera, separador + cola));
        revisarUniones(primera);
        // The suspense timer appends up to forty dots.
        revisarUniones(primera + std::string(40, '.'));
        const std::string estado = claro(Tema807Estados[v]);
        revisarUniones(estado);
        EXPECT_TRUE(esMayuscula(estado.front())) << estado;
        estados.insert(estado);
    }
    EXPECT_EQ(estados.size(), 3u);
}

TEST(TextosFrecuentes, LaCifraDelDiaEntreSusDosPiezas) {
    for (int fila = 1; fila <= 4; ++fila) {
        EXPECT_NE(claro(Tema706Primeros[fila]).back(), ' ');
        for (char k = '0'; k <= '9'; ++k) {
            const std::string d{' ', k};
            revisarRespuesta(
                claro(std::string(Tema706Primeros[fila]) + cifrado(d) + std::string(Tema706Ultimos[fila])));
        }
    }
}

TEST(TextosFrecuentes, LosNumerosDeLaSemanaConSusSeparadores) {
    const std::string sep(Tema712Separador);
    for (auto texto : Tema712) {
        for (const auto& numeros : {std::vector<std::string>{" 26", " 21", " 8", " 7"},
                                    std::vector<std::string>{" 32", " 11", " 22", " 25"},
                                    std::vector<std::string>{" 0", " 15", " 35", " 3"}}) {
            std::string r = std::string(texto) + cifrado(numeros[0]);
            for (std::size_t i = 1; i < numeros.size(); ++i) {
                r += sep + cifrado(numeros[i]);
            }
            revisarRespuesta(claro(r));
        }
    }
}

TEST(TextosFrecuentes, LaHoraYLaFechaDentroDeSuFrase) {
    const std::string entrada = claro(Tema10001Entrada);
    EXPECT_TRUE(terminaCon(entrada, " ") && !terminaCon(entrada, "  ")) << entrada;
    for (const char* hora : {"9:05", "14:30", "0:00"}) {
        revisarRespuesta(claro(std::string(Tema10001Entrada) + cifrado(hora)));
    }
    // The long date follows the user's locale; try a Spanish and an English one.
    for (const char* fecha : {"domingo, 6 de diciembre de 2026", "Sunday, December 6, 2026"}) {
        revisarRespuesta(
            claro(std::string(Tema10002AntesFecha) + cifrado(fecha) + std::string(Tema10002DespuesFecha)));
    }
}

} // namespace
