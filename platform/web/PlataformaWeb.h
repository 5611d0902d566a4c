#pragma once

// The platform services over the page: the controls are the main window's
// elements, a message box is a modal dialog in the page whose answer the logic
// waits for (Asyncify suspends the queued action that opened it), the timers
// keep their periods without drifting, and the clock is the browser's.

#include "platform/Plataforma.h"
#include "platform/web/Caja.h"
#include "platform/web/Dom.h"
#include "platform/web/Escritorio.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace auguron::web {

class PlataformaWeb : public Plataforma {
public:
    PlataformaWeb();
    PlataformaWeb(const PlataformaWeb&) = delete;
    PlataformaWeb& operator=(const PlataformaWeb&) = delete;

    // Binding to the main window: a control is an element (a label, a button,
    // the logo, a menu item with its caption in a child of class "rotulo") or
    // one of its two boxes; each timer calls its handler.
    void asociar(Control c, const val& elemento);
    void asociar(Control c, Caja& caja);
    void asociar(Temporizador t, std::function<void()> tic);
    void asociarVentana(Ventana& principal);

    // What the page does when the logic asks for the statistics window (the
    // windows live a layer above this one).
    std::function<void(const CuentasPreguntas&)> alPedirEstadisticas;

    // Whether a message box is open: nothing else of the page takes keys then.
    bool mensajeAbierto() const { return m_mensajeAbierto; }

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override;
    void fijarTexto(Control c, std::string_view texto) override;
    void habilitar(Control c, bool si) override;
    void mostrar(Control c, bool si) override;
    void enfocar(Control c) override;
    void fondoSistema(Control c, bool sistema) override;
    void temporizador(Temporizador t, int ms) override;
    void cerrarVentanaPrincipal() override;
    void cerrarTodas() override;
    void mostrarEstadisticas(const CuentasPreguntas& cuentas) override;
    double segundosDelDia() const override;
    std::chrono::sys_days hoy() const override;
    std::string fechaLarga(std::chrono::sys_days dia) const override;

private:
    struct Reloj {
        std::function<void()> tic;
        long id = 0;       // the browser's timeout, 0 when stopped
        double inicio = 0; // when the period started, in ms of the page's clock
        int periodo = 0;
        long tics = 0;                 // ticks since then
        std::uintptr_t generacion = 0; // of the tick set last
        bool pendiente = false;        // started by the running action, not yet counting
    };
    static void vencer(void* reloj);
    static void programar(Reloj& r);

    static constexpr std::size_t kControles = static_cast<std::size_t>(Control::mnuVerImagen) + 1;
    std::vector<val> m_elementos = std::vector<val>(kControles, val::undefined());
    std::array<Caja*, kControles> m_cajas{};
    std::array<Reloj, 3> m_relojes;
    static PlataformaWeb* s_plataforma; // the page's one platform, for the ticks
    Ventana* m_principal = nullptr;
    bool m_mensajeAbierto = false;
    std::optional<Control> m_focoPendiente; // asked for while a box was open
};

} // namespace auguron::web
