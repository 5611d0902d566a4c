// The cipher of the stored texts and the Windows-1252 code page.

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
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(cifrado.at(static_cast<std::size_t>(c))), (c + 58) % 256);
    }
    EXPECT_EQ(fncDecodificar(cifrado), todos);
}

// Capitals of the code page's own letters; signs without case stay. The five
// codes it leaves free travel as C1 controls, so every code survives a trip
// through Unicode, and what it cannot hold is refused.
TEST(Ansi, MayusculasYUnicode) {
    const std::string minus = w("abzáéíóúñüçàšœžÿ÷×ß¿µ");
    const std::string mayus = w("ABZÁÉÍÓÚÑÜÇÀŠŒŽŸ÷×ß¿µ");
    for (std::size_t i = 0; i < minus.size(); ++i) {
        EXPECT_EQ(ansi::mayuscula(static_cast<unsigned char>(minus[i])), static_cast<unsigned char>(mayus[i]))
            << i;
        EXPECT_EQ(ansi::minuscula(static_cast<unsigned char>(mayus[i])), static_cast<unsigned char>(minus[i]))
            << i;
    }
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(ansi::deUnicode(ansi::aUnicode(static_cast<unsigned char>(c))), c);
    }
    EXPECT_EQ(ansi::aUnicode(0x80), U'€');
    for (char32_t u : {0x1F600u, 0x4E2Du, 0x0080u}) {
        EXPECT_EQ(ansi::deUnicode(u), -1) << static_cast<unsigned>(u);
    }
}

} // namespace
} // namespace auguron
