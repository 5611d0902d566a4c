#pragma once

// Checks of how a stored text reads once deciphered, shared by the tests of
// the texts.

#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <string>
#include <string_view>

namespace auguron::prueba {

inline constexpr unsigned char kAbreInterrogacion = 0xBF; // ¿
inline constexpr unsigned char kAbreExclamacion = 0xA1;   // ¡

inline std::string claro(std::string_view cifrado) {
    return fncDecodificar(cifrado);
}

inline bool esMayuscula(char c) {
    const auto u = static_cast<unsigned char>(c);
    return ansi::mayuscula(u) == u && ansi::minuscula(u) != u;
}

inline bool terminaCon(const std::string& s, std::string_view fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

// Each opening sign is closed later by its partner, never the other way round.
inline bool equilibrado(const std::string& s, unsigned char abre, char cierra) {
    int abiertos = 0;
    for (char c : s) {
        if (static_cast<unsigned char>(c) == abre) {
            ++abiertos;
        } else if (c == cierra && --abiertos < 0) {
            return false;
        }
    }
    return abiertos == 0;
}

} // namespace auguron::prueba
