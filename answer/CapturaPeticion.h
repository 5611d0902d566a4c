#pragma once

// The petition box's key handler and the hidden answer it captures. A full
// stop switches the capture on: from then on every key is kept in Respuesta
// while the box shows, a character a key, the petition phrase instead.

#include "state/EstadoSesion.h"

#include <string>

namespace auguron {

class CapturaPeticion {
public:
    explicit CapturaPeticion(EstadoSesion& estado)
        : m_estado(estado) {}

    // One key of the petition box: `k` is its Windows-1252 code (8 is
    // Backspace), replaced by what the box must take instead. Answers true for
    // the colon that ends the petition: the question box opens then.
    bool tecla(int& k);

    // Strips from the end of the captured answer the letters of the short
    // petition typed after it, as if the capture had opened with the first key.
    void fncDetectarRespuesta();

private:
    EstadoSesion& m_estado;
};

// Codes below 32 other than Backspace (Enter, Escape, Ctrl with a letter):
// both key handlers ignore them and set the code to 0, which no box inserts.
bool esControl(int k);

// Applies a key to a one-line text box whose caret stays at the end: code 8
// deletes the last character; other codes below 32 and 127 insert nothing;
// every other code is appended. Shared by the real boxes and the tests.
void aplicarTecla(std::string& caja, int k);

} // namespace auguron
