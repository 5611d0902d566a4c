#pragma once

// A Velmo on the scripted platform, with the helpers the unit tests share.

#include "answer/Velmo.h"
#include "platform/guion/PlataformaGuion.h"
#include "util/Cifrado.h"

#include <string>
#include <string_view>

namespace auguron::prueba {

struct Banco {
    PlataformaGuion p;
    AzarGuion azar;
    Velmo v{p, azar};

    // Start-up answered with OK and the first status interval drawn.
    Banco() {
        p.respuestas = {Boton::Aceptar, Boton::Aceptar};
        azar.poner({1234});
        v.Form_Load();
        p.cajas.clear();
        azar.pedidos.clear();
    }

    EstadoSesion& e() { return v.estado(); }
    std::string& caja(Control c) { return p.controles[c].texto; }

    // Types `teclas` (Windows-1252 bytes) into a box the way the real box
    // does: the handler sees each code first and may replace it.
    void teclear(Control c, std::string_view teclas) {
        for (const char t : teclas) {
            int k = static_cast<unsigned char>(t);
            if (c == Control::txtPeticion) {
                v.txtPeticion_KeyPress(k);
            } else {
                v.txtPregunta_KeyPress(k);
            }
            aplicarTecla(caja(c), k);
        }
    }
    void tecla(Control c, int codigo) { teclear(c, std::string(1, static_cast<char>(codigo))); }

    // A whole question: petition, colon, question and "?".
    void preguntar(std::string_view peticion, std::string_view pregunta) {
        teclear(Control::txtPeticion, peticion);
        teclear(Control::txtPeticion, ":");
        teclear(Control::txtPregunta, pregunta);
        teclear(Control::txtPregunta, "?");
    }

    std::string respuestaMostrada() { return caja(Control::lblRespuesta); }
};

inline std::string plano(std::string_view cifrado) {
    return fncDecodificar(cifrado);
}

// UTF-8 source text to Windows-1252 bytes, for readable test data.
std::string w(std::string_view utf8);

} // namespace auguron::prueba
