#pragma once

// What a shown answer may look like: every label a soul can answer under, in
// stored (enciphered) and in plain form, and the characters the stored texts are
// written in. Header-only, so the unit tests can use it without linking the
// session driver.

#include "texts/Almas.h"
#include "texts/Frecuentes.h"
#include "util/Cifrado.h"

#include <set>
#include <string>
#include <string_view>

namespace auguron::fuzz {

// Every label fncSeleccionarAlma and the frequent replies can leave in
// NombreAlma, enciphered as they are stored.
inline const std::set<std::string, std::less<>>& rotulosCifrados() {
    static const std::set<std::string, std::less<>> r = [] {
        using namespace textos;
        std::set<std::string, std::less<>> s;
        s.emplace(NombreAlmaPorDefecto);
        for (const auto medio : AlmaMedios) {
            for (const auto fin : AlmaFinales) {
                s.insert(std::string(AlmaInicio) + std::string(medio) + std::string(fin));
            }
        }
        for (const auto primero : Alma2Primeros) {
            for (const auto fin : Alma2Finales) {
                s.insert(std::string(primero) + std::string(fin));
            }
        }
        for (const auto primero : Alma3Primeros) {
            s.insert(std::string(primero) + std::string(Alma3Final));
        }
        for (const auto entera : AlmasEnteras) {
            s.emplace(entera);
        }
        for (const auto etiqueta : {EtiquetaA, EtiquetaB, EtiquetaC, EtiquetaD}) {
            s.emplace(etiqueta);
        }
        return s;
    }();
    return r;
}

// The same labels as they are shown.
inline const std::set<std::string, std::less<>>& rotulosPlanos() {
    static const std::set<std::string, std::less<>> r = [] {
        std::set<std::string, std::less<>> s;
        for (const auto& c : rotulosCifrados()) {
            s.insert(fncDecodificar(c));
        }
        return s;
    }();
    return r;
}

// Characters of readable Spanish text in Windows-1252: printable ASCII, the
// typographic marks of 0x85 and 0x91-0x97, and the Latin-1 half without its two
// arithmetic signs. Enciphering moves 'a' to 0x9B and 'e' to 0x9F, outside this
// set; deciphering a plain text again turns capitals into control codes and
// leaves no letter at all. So a reply deciphered too often, or not at all,
// fails `pareceTextoPlano`.
constexpr bool caracterPlano(unsigned char c) {
    return (c >= 32 && c <= 126) || c == 0x85 || (c >= 0x91 && c <= 0x97) ||
           (c >= 0xA0 && c != 0xD7 && c != 0xF7);
}

// Readable text holding at least one letter; `saltos` admits the line break of
// the message boxes (code 13).
inline bool pareceTextoPlano(std::string_view t, bool saltos = false) {
    bool letra = false;
    for (const char ch : t) {
        const auto c = static_cast<unsigned char>(ch);
        if (!caracterPlano(c) && !(saltos && c == 13)) {
            return false;
        }
        letra = letra || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }
    return letra;
}

// The plain label that `mostrado` starts with, or an empty view when none does.
// Several labels may share a beginning ("Velmo responde: " and longer ones do
// not, but the families could): the longest match is the one shown.
inline std::string_view rotuloAlFrente(std::string_view mostrado) {
    std::string_view mejor;
    for (const auto& r : rotulosPlanos()) {
        if (r.size() > mejor.size() && mostrado.substr(0, r.size()) == r) {
            mejor = r;
        }
    }
    return mejor;
}

} // namespace auguron::fuzz
