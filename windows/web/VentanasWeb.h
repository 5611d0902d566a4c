#pragma once

// The small windows of the page, as the main window opens them: statistics,
// help and about. Each exists at most once: the first call makes and shows it,
// a call while it is open brings it to the front, and a closed one is made
// anew the next time. None is modal.

#include "platform/Plataforma.h"

#include <functional>

namespace auguron::web {

// The window shows `cuentas` as they are now; `alCerrar` runs when the window
// this call made closes, told whether it closed through its button (or
// Escape) rather than its close box.
void mostrarEstadisticas(const CuentasPreguntas& cuentas, std::function<void(bool conAceptar)> alCerrar);
void mostrarTemas();
void mostrarAcerca();

} // namespace auguron::web
