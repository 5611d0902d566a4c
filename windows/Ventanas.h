#pragma once

// The auxiliary windows as the main window opens them. Each exists at most once:
// the first call creates and shows it, a call while it is open only brings it
// to the front, and closing it destroys it. They are top-level windows without
// an owner and never modal.

#include "windows/frmEstadisticas.h"

#include <functional>

class QWidget;

namespace auguron {

// The window shows `cuentas` as they are now; `alCerrar` runs when the window
// that this call creates closes, told whether it closed through its button.
// Centred over `principal` when that window is on screen.
void mostrarEstadisticas(const CuentasPreguntas& cuentas, const QWidget* principal,
                         std::function<void(bool conAceptar)> alCerrar);
void mostrarTemas();
void mostrarAcerca();

} // namespace auguron
