#pragma once

// The page as a desktop: the program's windows, each a frame with a title bar
// over its client area, laid out in twips like the desktop's. The main window
// sits in the page; the small ones float over it, are not modal, can be moved
// by their title bar and come to the front when shown again. When the last
// window closes, the game is over and the page says how to start again.

#include "platform/Disposicion.h"
#include "platform/web/Dom.h"

#include <functional>
#include <string_view>
#include <vector>

namespace auguron::web {

class Ventana {
public:
    // `contenido` goes into the client area; `menus`, where there are any,
    // between it and the title bar.
    Ventana(std::string_view id, std::string_view titulo, int anchoTwips, int altoTwips,
            disposicion::Color fondo, bool principal, const Html& contenido, const Html& menus = {});
    ~Ventana();
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;

    const val& marco() const { return m_marco; }
    const val& cliente() const { return m_cliente; }

    // What the close box does, and Escape unless `alEscape` is set: closing,
    // unless the window says otherwise.
    std::function<void()> alPedirCierre;
    std::function<void()> alEscape;
    // Runs once the window has closed, however it closed.
    std::function<void()> alCerrar;

    // Shows the window, or brings it to the front if it is open.
    void mostrar();
    void cerrar();
    bool abierta() const { return m_abierta; }

    // A listener that goes with the window.
    void escuchar(const val& el, const char* tipo, std::function<void(const val&)> f);

private:
    void arrastrar(const val& evento);
    void mover(const val& evento);

    struct Arrastre {
        bool activo = false;
        double dx = 0, dy = 0; // where the pointer holds the frame
    };

    val m_marco;
    val m_cliente;
    bool m_abierta = false;
    val m_focoPrevio; // where the keyboard was as the window opened
    Arrastre m_arrastre;
    std::vector<int> m_oyentes;
};

// Closes every open window, one after the other.
void cerrarTodas();
// Whether a window of the program is open; none at start, and none at the end.
bool algunaAbierta();
// The page's own end, when no window ever opened (the prayer refused).
void terminar();

} // namespace auguron::web
