#pragma once

// The substitution cipher of the stored texts: every Windows-1252 code moves 58
// places up the 256-code alphabet, wrapping round. It maps character to
// character, so a substring search gives the same answer on enciphered texts as
// on plain ones, and pieces enciphered apart can be joined.

#include <string>
#include <string_view>

namespace auguron {

inline constexpr int kDesplazamiento = 58;

constexpr char codificarCaracter(char c) {
    return static_cast<char>((static_cast<unsigned char>(c) + kDesplazamiento) & 0xFF);
}
constexpr char decodificarCaracter(char c) {
    return static_cast<char>((static_cast<unsigned char>(c) + 256 - kDesplazamiento) & 0xFF);
}

std::string fncCodificar(std::string_view Origen);
std::string fncDecodificar(std::string_view Origen);

} // namespace auguron
