#pragma once

// The main window in the page: its controls, menus and timers, each event
// handed to the logic (Velmo) as the desktop window hands it. Events that may
// open a message box are queued; timer ticks are not, as on the desktop, where
// they come while a box is open.

#include "answer/Velmo.h"
#include "app/web/Entrada.h"
#include "platform/web/Caja.h"
#include "platform/web/Escritorio.h"
#include "platform/web/PlataformaWeb.h"

#include <memory>
#include <string>
#include <vector>

namespace auguron::web {

class PaginaVelmo {
public:
    // Builds the window, hidden, over a Velmo already loaded.
    PaginaVelmo(PlataformaWeb& plataforma, Velmo& velmo);
    // Shows it, with the keyboard in the petition box.
    void mostrar();

private:
    // The window's markup, written before it exists; then its elements bound.
    static Html controles();
    static Html menus();
    void asociarControles();
    void asociarMenus();
    // Narrows the labels, and the petition's text, where the font is wider
    // than the layout's: once, as the window first shows.
    void encajar();
    void teclear(Caja& caja, std::vector<int> codigos);
    void atajo(const val& e);
    void abrirMenu(std::size_t menu, bool conTeclado);
    void cerrarMenu(bool devolverFoco);
    void moverEnMenu(const val& e);
    void ejecutar(std::string_view item);

    PlataformaWeb& m_plataforma;
    Velmo& m_velmo;
    Ventana m_ventana;
    std::unique_ptr<Caja> m_txtPeticion;
    std::unique_ptr<Caja> m_txtPregunta;
    std::vector<std::unique_ptr<Entrada>> m_entradas;
    val m_cmdNuevaPregunta;
    val m_cmdSalir;
    std::vector<val> m_menus;        // the menu bar's two buttons
    std::vector<val> m_desplegables; // the menu each opens
    int m_menuAbierto = -1;
    val m_focoAntesDelMenu;
};

} // namespace auguron::web
