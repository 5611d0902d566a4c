#include "Apoyo.h"

#include "texts/TextoCifrado.h"
#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <gtest/gtest.h>

namespace auguron {
namespace {

std::string codigos(std::initializer_list<int> cs) {
    std::string r;
    for (int c : cs) {
        r += static_cast<char>(c);
    }
    return r;
}

TEST(Cifrado, LimitesDelAlfabeto) {
    EXPECT_EQ(fncCodificar(codigos({0, 197, 198, 255})), codigos({58, 255, 0, 57}));
    EXPECT_EQ(fncDecodificar(codigos({58, 255, 0, 57})), codigos({0, 197, 198, 255}));
    EXPECT_EQ(fncCodificar("abc"), codigos({155, 156, 157}));
    EXPECT_EQ(fncDecodificar(codigos({155, 156, 157})), "abc");
    EXPECT_EQ(fncCodificar(""), "");
    EXPECT_EQ(fncDecodificar(""), "");
}

TEST(Cifrado, CadaCodigoIdaYVuelta) {
    std::string todos;
    for (int c = 0; c < 256; ++c) {
        todos += static_cast<char>(c);
    }
    const std::string cifrado = fncCodificar(todos);
    ASSERT_EQ(cifrado.size(), 256u);
    EXPECT_EQ(fncDecodificar(cifrado), todos);
    EXPECT_EQ(fncCodificar(fncDecodificar(todos)), todos);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(cifrado[static_cast<std::size_t>(c)]), (c + 58) % 256);
    }
}

TEST(Cifrado, LaBusquedaCifradaEncuentraLoMismo) {
    const std::string texto = prueba::w(" ¿cuándo me casaré con mi novia? ");
    for (const std::string clave : {"novia", " me ", "cas", "xyz", "¿"}) {
        const std::string c = prueba::w(clave);
        EXPECT_EQ(fncCodificar(texto).find(fncCodificar(c)), texto.find(c)) << clave;
    }
}

// Stored texts are built at compile time: Windows-1252 lengths, enciphered bytes.
constexpr auto kDos = textos::tabla<5, 3>(u8"ñandú", u8"€ a");
constexpr auto kVistas = textos::vistas(kDos);
constexpr auto kClaves = textos::palabras(u8" sí ", u8"qué");
constexpr auto kPlano = textos::plano(u8"Oración\r¿Sí?");

TEST(TextosGuardados, SeCifranAlCompilar) {
    static_assert(kVistas[0].size() == 5 && kVistas[1].size() == 3);
    const textos::Lista lista{kVistas};
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(fncDecodificar(lista[1]), prueba::w("ñandú"));
    EXPECT_EQ(fncDecodificar(lista[2]), prueba::w("€ a"));
    EXPECT_EQ(static_cast<unsigned char>(fncDecodificar(lista[2])[0]), 0x80);
    EXPECT_EQ(fncDecodificar(kClaves[0]), prueba::w(" sí "));
    EXPECT_EQ(fncDecodificar(kClaves[1]), prueba::w("qué"));
    EXPECT_EQ(std::string(kPlano.vista()), prueba::w("Oración\r¿Sí?"));
}

TEST(Ansi, MayusculasYMinusculasDeWindows1252) {
    const std::string minus = prueba::w("abcxyzáéíóúñüçàšœžÿ");
    const std::string mayus = prueba::w("ABCXYZÁÉÍÓÚÑÜÇÀŠŒŽŸ");
    ASSERT_EQ(minus.size(), mayus.size());
    for (std::size_t i = 0; i < minus.size(); ++i) {
        EXPECT_EQ(ansi::mayuscula(static_cast<unsigned char>(minus[i])),
                  static_cast<unsigned char>(mayus[i]));
        EXPECT_EQ(ansi::minuscula(static_cast<unsigned char>(mayus[i])),
                  static_cast<unsigned char>(minus[i]));
    }
    // Signs without case stay as they are.
    for (const std::string s : {"÷", "×", "ß", "¿", "¡", "?", "1", " ", "µ"}) {
        const auto c = static_cast<unsigned char>(prueba::w(s)[0]);
        EXPECT_EQ(ansi::mayuscula(c), c) << s;
        EXPECT_EQ(ansi::minuscula(c), c) << s;
    }
}

TEST(Ansi, LasPosicionesLibresViajanComoControlesC1) {
    for (int c : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(ansi::aUnicode(static_cast<unsigned char>(c)), static_cast<char32_t>(c));
        EXPECT_EQ(ansi::deUnicode(static_cast<char32_t>(c)), c);
    }
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(ansi::deUnicode(ansi::aUnicode(static_cast<unsigned char>(c))), c);
    }
    EXPECT_EQ(ansi::deUnicode(0x1F600), -1); // an emoji
    EXPECT_EQ(ansi::deUnicode(0x4E2D), -1);  // a Chinese character
    EXPECT_EQ(ansi::deUnicode(0x0080), -1);  // a C1 control that the code page does not carry
}

} // namespace
} // namespace auguron
