#pragma once

// What the logic asks of the outside world. The program answers with Qt
// (PlataformaQt); tests answer with a scripted stand-in. This header uses the
// standard library and the logic's plain texts only, so the logic library
// can include it.
//
// Every text that crosses this interface is Windows-1252 bytes; a line break
// inside a message-box text is the single character 13.

#include "texts/TextosPlanos.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace auguron {

enum class Botones { Aceptar, AceptarCancelar, SiNo };
enum class Boton { Aceptar, Cancelar, Si, No };

// The controls of the main window that the logic reads or changes.
enum class Control {
    txtPeticion,
    txtPregunta,
    lblRespuesta,
    lblInfo,
    cmdFocus,
    cmdNuevaPregunta,
    pctLogo,
    mnuVerImagen,
};

enum class Temporizador { tmrMensaje, tmrSuspenso, tmrFocus };

// The main window as it opens, before the load runs: read by the real window
// and by the scripted stand-in alike. A box's background is either the system
// window colour or the window's grey.
struct ControlInicial {
    Control control;
    std::string_view texto;
    bool habilitado = true;
    bool visible = true;
    bool fondoSistema = true;
};
inline constexpr std::array<ControlInicial, 8> kControlesIniciales{{
    {Control::txtPeticion, ""},
    {Control::txtPregunta, "", false, true, false},
    {Control::lblRespuesta, ""},
    {Control::lblInfo, textos::kBuscandoVagulantes},
    {Control::cmdFocus, ""},
    {Control::cmdNuevaPregunta, textos::kNuevaPregunta},
    {Control::pctLogo, "", true, false},
    {Control::mnuVerImagen, textos::kVerImagen},
}};

// Timers tick only while enabled with an interval above 0; all start without
// an interval, and tmrFocus disabled.
struct TemporizadorInicial {
    Temporizador temporizador;
    bool habilitado;
};
inline constexpr std::array<TemporizadorInicial, 3> kTemporizadoresIniciales{{
    {Temporizador::tmrMensaje, true},
    {Temporizador::tmrSuspenso, true},
    {Temporizador::tmrFocus, false},
}};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Modal, without an icon, the first button the default. In an OK/Cancel
    // box Escape and the close box answer Cancel; a Yes/No box cannot be
    // dismissed without choosing.
    virtual Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) = 0;

    // Text of a box, caption of a label, a button or a menu item.
    virtual std::string texto(Control c) const = 0;
    virtual void fijarTexto(Control c, std::string_view texto) = 0;
    virtual bool habilitado(Control c) const = 0;
    virtual void habilitar(Control c, bool si) = 0;
    virtual bool visible(Control c) const = 0;
    virtual void mostrar(Control c, bool si) = 0;
    virtual void enfocar(Control c) = 0;
    // Background of a text box: the system window colour, or the window's grey.
    virtual void fondoSistema(Control c, bool sistema) = 0;

    // A timer ticks every `intervalo` ms while it is enabled and its interval
    // is above 0; setting an interval starts a new period, 0 halts it.
    virtual int intervalo(Temporizador t) const = 0;
    virtual void fijarIntervalo(Temporizador t, int ms) = 0;
    virtual bool temporizadorHabilitado(Temporizador t) const = 0;
    virtual void habilitarTemporizador(Temporizador t, bool si) = 0;

    // Windows. The statistics window is the main window's to open: the
    // platform only passes the request on.
    virtual void cerrarVentanaPrincipal() = 0;
    virtual void cerrarTodas() = 0;
    virtual void mostrarEstadisticas() = 0;

    // Clock and calendar of the user.
    virtual double segundosDelDia() const = 0;
    virtual std::chrono::sys_days hoy() const = 0;
    virtual std::string fechaLarga(std::chrono::sys_days dia) const = 0;
};

} // namespace auguron
