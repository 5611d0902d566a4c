// The cipher of the stored texts and the letter case of Windows-1252.

#include "Apoyo.h"

#include <gtest/gtest.h>

namespace auguron {
namespace {

using prueba::w;

TEST(Cifrado, CadaCodigoSubeCincuentaYOchoYVuelve) {
    std::string todos;
    for (int c = 0; c < 256; ++c) {
        todos += static_cast<char>(c);
    }
    const std::string cifrado = fncCodificar(todos);
    ASSERT_EQ(cifrado.size(), 256u);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(cifrado[static_cast<std::size_t>(c)]), (c + 58) % 256);
    }
    EXPECT_EQ(fncDecodificar(cifrado), todos);
    EXPECT_EQ(fncCodificar(fncDecodificar(todos)), todos);
    EXPECT_EQ(fncCodificar(""), "");
}

// The detectors search enciphered keywords in the enciphered question.
TEST(Cifrado, LaBusquedaCifradaEncuentraLoMismo) {
    const std::string texto = w(" ¿cuándo me casaré con mi novia? ");
    for (const char* clave : {"novia", " me ", "cas", "xyz", "¿"}) {
        EXPECT_EQ(fncCodificar(texto).find(fncCodificar(w(clave))), texto.find(w(clave))) << clave;
    }
}

TEST(Ansi, MayusculasYMinusculasDeWindows1252) {
    const std::string minus = w("abcxyzáéíóúñüçàšœžÿ");
    const std::string mayus = w("ABCXYZÁÉÍÓÚÑÜÇÀŠŒŽŸ");
    ASSERT_EQ(minus.size(), mayus.size());
    for (std::size_t i = 0; i < minus.size(); ++i) {
        EXPECT_EQ(ansi::mayuscula(static_cast<unsigned char>(minus[i])),
                  static_cast<unsigned char>(mayus[i]));
        EXPECT_EQ(ansi::minuscula(static_cast<unsigned char>(mayus[i])),
                  static_cast<unsigned char>(minus[i]));
    }
    // Signs without case stay as they are.
    for (const char c : w("÷×ß¿¡?1 µ")) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_EQ(ansi::mayuscula(u), u) << int(u);
        EXPECT_EQ(ansi::minuscula(u), u) << int(u);
    }
}

// The five codes the code page leaves free travel as C1 controls, so every
// code survives a trip through Unicode; what it cannot hold is refused.
TEST(Ansi, CadaCodigoIdaYVueltaPorUnicode) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(ansi::deUnicode(ansi::aUnicode(static_cast<unsigned char>(c))), c);
    }
    EXPECT_EQ(ansi::aUnicode(0x80), U'€');
    EXPECT_EQ(ansi::aUnicode(0x8D), 0x8Du);
    for (char32_t u : {0x1F600u, 0x4E2Du, 0x0080u}) {
        EXPECT_EQ(ansi::deUnicode(u), -1) << static_cast<unsigned>(u);
    }
}

} // namespace
} // namespace auguron
