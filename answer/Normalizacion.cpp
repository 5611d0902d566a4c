#include "answer/Normalizacion.h"

#include "util/Ansi.h"

#include <algorithm>

namespace auguron {

namespace {
constexpr bool esConsonante(unsigned char c) {
    switch (c) {
    case 'b':
    case 'c':
    case 'd':
    case 'f':
    case 'g':
    case 'h':
    case 'j':
    case 'k':
    case 'l':
    case 'm':
    case 'n':
    case 0xF1 /* ñ */:
    case 'p':
    case 'q':
    case 'r':
    case 's':
    case 't':
    case 'v':
    case 'w':
    case 'x':
    case 'y':
    case 'z':
        return true;
    default:
        return false;
    }
}

constexpr unsigned char sinAcento(unsigned char c) {
    switch (c) {
    case 0xE1:
        return 'a';
    case 0xE9:
        return 'e';
    case 0xED:
        return 'i';
    case 0xF3:
        return 'o';
    case 0xFA:
        return 'u';
    default:
        return c;
    }
}
} // namespace

PreguntaNormalizada normalizar(std::string_view pregunta) {
    PreguntaNormalizada r;
    std::string texto;
    for (const char c : ansi::enMinusculas(pregunta)) {
        if (c == 'k') {
            texto += "qu";
        } else {
            texto += c;
        }
    }

    // An accented vowel ends a run like any vowel: the accent goes after the test.
    Entero racha = 0;
    for (char& c : texto) {
        const auto u = static_cast<unsigned char>(c);
        if (esConsonante(u)) {
            sumar(racha, 1);
        } else {
            racha = 0;
        }
        r.consonantes = std::max(r.consonantes, racha);
        if (c == ' ') {
            sumar(r.palabras, 1);
        } else {
            c = static_cast<char>(sinAcento(u));
        }
    }
    r.texto = " " + texto + " ";
    return r;
}

} // namespace auguron
