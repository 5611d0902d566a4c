#pragma once

// A one-line text box of the page. The player types into an input that is
// there but not seen, holding no letter, so that no browser ever paints a typed
// letter, composing text included; the box shows the text the program gives
// it, drawn in an element of its own.

#include "platform/Disposicion.h"
#include "platform/web/Dom.h"

#include <string>
#include <string_view>

namespace auguron::web {

class Caja {
public:
    // The box's markup; `etiqueta` is the id of the label that names it.
    static void html(Html& h, const disposicion::Control& control, std::string_view etiqueta);
    // The box as `html` wrote it, now in the page.
    explicit Caja(const disposicion::Control& control);

    // Where the keys and the text arrive.
    const val& entrada() const { return m_entrada; }

    const std::string& texto() const { return m_texto; } // Windows-1252
    void fijar(std::string windows1252);
    bool habilitada() const { return m_habilitada; }
    void habilitar(bool si);
    // The background: the system's colour for an editable box, or the window's grey.
    void fondoSistema(bool si);
    void enfocar();
    // Narrows the text just enough for `muestra` (UTF-8) to fit the box.
    void encajar(const std::string& muestra);

private:
    val m_marco;
    val m_vista;
    val m_entrada;
    std::string m_texto;
    bool m_habilitada = true;
};

} // namespace auguron::web
