#pragma once

// The auxiliary windows as the main window opens them. Each exists at most once:
// the first call creates and shows it, a call while it is open only brings it
// to the front, and closing it destroys it. They are top-level windows without
// an owner and never modal.

#include "windows/frmEstadisticas.h"

#include <functional>

class QWidget;

namespace auguron {

// `principal`, the window that asks, gets the keyboard back when the window
// closes. The statistics show `cuentas` as they are now; `alCerrar` runs when
// the window that this call creates closes, told whether it closed through its
// button. Centred over `principal` when that window is on screen.
void mostrarEstadisticas(const CuentasPreguntas& cuentas, QWidget* principal,
                         std::function<void(bool conAceptar)> alCerrar);
void mostrarTemas(QWidget* principal);
void mostrarAcerca(QWidget* principal);

} // namespace auguron
