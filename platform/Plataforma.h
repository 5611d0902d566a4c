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

// The four answer counters of the run, as the statistics window shows them.
struct CuentasPreguntas {
    int truco = 0;
    int frecuentes = 0;
    int malFormuladas = 0;
    int otras = 0;
    // Added in int, not in 16 bits: each counter stops at 32767, so the four
    // can reach 131068, which a 16-bit sum would wrap round to a wrong number.
    int total() const { return truco + frecuentes + malFormuladas + otras; }
};

// A count as the statistics window writes it: the digits behind one space, or
// behind a minus sign instead; no grouping.
inline std::string formatearCuenta(int cuenta) {
    std::string r(cuenta < 0 ? 0 : 1, ' ');
    return r += std::to_string(cuenta);
}

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Gives every control its state as the main window opens.
    void estadoInicial() {
        for (const ControlInicial& c : kControlesIniciales) {
            fijarTexto(c.control, c.texto);
            habilitar(c.control, c.habilitado);
            mostrar(c.control, c.visible);
            if (c.control == Control::txtPeticion || c.control == Control::txtPregunta) {
                fondoSistema(c.control, c.fondoSistema);
            }
        }
    }

    // Modal, without an icon, the first button the default. In an OK/Cancel
    // box Escape and the close box answer Cancel; a Yes/No box cannot be
    // dismissed without choosing.
    virtual Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) = 0;

    // The logic only tells the window what to change; what it needs to know
    // later (is the logo shown, is "Nueva Pregunta" enabled) it remembers itself.
    // A text is the text of a box, or the caption of a label, a button or a
    // menu item.
    virtual void fijarTexto(Control c, std::string_view texto) = 0;
    virtual void habilitar(Control c, bool si) = 0;
    virtual void mostrar(Control c, bool si) = 0;
    virtual void enfocar(Control c) = 0;
    // Background of a text box: the system window colour, or the window's grey.
    virtual void fondoSistema(Control c, bool sistema) = 0;

    // A timer with `ms` above 0 ticks every `ms` milliseconds from now on (a new
    // period starts even if it was running); 0 stops it. All start stopped.
    virtual void temporizador(Temporizador t, int ms) = 0;

    // Windows. The statistics window shows `cuentas` as they are now; the
    // others close it or learn of it through the main window.
    virtual void cerrarVentanaPrincipal() = 0;
    virtual void cerrarTodas() = 0;
    virtual void mostrarEstadisticas(const CuentasPreguntas& cuentas) = 0;

    // Clock and calendar of the user.
    virtual double segundosDelDia() const = 0;
    virtual std::chrono::sys_days hoy() const = 0;
    virtual std::string fechaLarga(std::chrono::sys_days dia) const = 0;
};

} // namespace auguron
