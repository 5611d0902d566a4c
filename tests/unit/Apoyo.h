#pragma once

// A Velmo on the scripted platform, and what the logic tests share.

#include "answer/Velmo.h"
#include "platform/guion/PlataformaGuion.h"
#include "tools/Consulta.h"
#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace auguron {
// A message box as a failing test shows it.
inline void PrintTo(const CajaMostrada& c, std::ostream* os) {
    *os << ansi::aUtf8(c.titulo) << ": " << ansi::aUtf8(c.texto);
}
} // namespace auguron

namespace auguron::prueba {

// UTF-8 test data to Windows-1252 bytes; a character the code page cannot
// hold is a mistake in the test.
inline std::string w(std::string_view utf8) {
    std::string r = ansi::deUtf8(utf8);
    if (ansi::aUtf8(r) != utf8) {
        throw std::invalid_argument("test text outside Windows-1252");
    }
    return r;
}

inline std::string plano(std::string_view cifrado) {
    return fncDecodificar(cifrado);
}

// Every text of a stored list, numbered from 1 like the draws.
template <class L, class F> void cada(const L& lista, F f) {
    for (decltype(lista.size()) i = 1; i <= lista.size(); ++i) {
        f(lista[i]);
    }
}

// Readable Spanish in Windows-1252 with at least one letter: a reply
// deciphered twice, or not at all, fails it (enciphering moves every lower-case
// letter above 0x9A, deciphering again turns capitals into control codes).
inline bool legible(std::string_view t) {
    bool letra = false;
    for (const char ch : t) {
        const auto c = static_cast<unsigned char>(ch);
        if (!((c >= 32 && c <= 126) || c == 13 || c == 0x85 || (c >= 0x91 && c <= 0x97) ||
              (c >= 0xA0 && c != 0xD7 && c != 0xF7))) {
            return false;
        }
        letra = letra || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }
    return letra;
}

struct Banco {
    PlataformaGuion p;
    AzarGuion azar;
    GeneradorReloj generador;
    Velmo v;

    // Start-up answered with OK. The draws come from the script (the first
    // status interval drawn 1234) or, given a seed, from the generator.
    explicit Banco(std::uint64_t semilla = 0)
        : generador([this] { return p.segundos; }, semilla)
        , v(p, semilla != 0 ? static_cast<FuenteAleatoria&>(generador) : azar) {
        p.respuestas = {Boton::Aceptar, Boton::Aceptar};
        if (semilla == 0) {
            azar.poner({1234});
        }
        v.Form_Load();
        p.cajas.clear();
        azar.pedidos.clear();
    }

    EstadoSesion& e() { return v.estado(); }
    std::string& caja(Control c) { return p.controles[c].texto; }
    std::string mostrada() { return caja(Control::lblRespuesta); }

    // Keys (Windows-1252 bytes, 8 for Backspace) into a box the way the real
    // box takes them: the handler sees each code first and may replace it.
    void teclear(Control c, std::string_view teclas) { auguron::teclear(v, p, c, teclas); }
    void preguntar(std::string_view peticion, std::string_view pregunta) {
        teclear(Control::txtPeticion, std::string(peticion) + ":");
        teclear(Control::txtPregunta, std::string(pregunta) + "?");
    }
};

} // namespace auguron::prueba
