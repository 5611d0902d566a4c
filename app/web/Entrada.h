#pragma once

// How the page's keys and text become the Windows-1252 codes the logic takes,
// one key at a time, as the desktop's boxes give them: Backspace 8, Enter 13,
// Escape 27, a typed character its code; nothing for keys that edit or move
// the caret, for the browser's own shortcuts, or for a character the code page
// cannot hold. Text that arrives without keys (a dead key then a vowel, a
// phone's keyboard, which composes whole words and corrects them) reaches the
// logic as the keys that would have typed it.

#include "platform/web/Caja.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace auguron::web {

// The keys that turn the text already sent, `antes`, into `despues`: a
// Backspace for every character after the part they share, then the rest of
// `despues`. Both Windows-1252.
std::vector<int> codigosDeCambio(std::string_view antes, std::string_view despues);

class Entrada {
public:
    // `alTeclear` receives the codes of each key or piece of text, in order.
    // `abierto` tells whether a message box holds the keys.
    Entrada(Caja& caja, std::function<void(std::vector<int>)> alTeclear, std::function<bool()> abierto);

private:
    void tecla(const val& e);
    void antesDeEscribir(const val& e);
    void componer(const val& e, bool fin);

    std::function<void(std::vector<int>)> m_alTeclear;
    std::function<bool()> m_abierto;
    bool m_teclaMuerta = false; // the composition under way comes from a dead key
    std::string m_compuesto;    // what the composition under way has sent so far
};

} // namespace auguron::web
