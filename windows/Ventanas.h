#pragma once

// The auxiliary windows as the main window opens them. Each exists at most once:
// the first call creates and shows it, a call while it is open only brings it
// to the front, and closing it destroys it. They are top-level windows without
// an owner and never modal.

class QPushButton;

namespace auguron {

class Velmo;

// The counters are read once, now; the window enables `cmdNuevaPregunta` again
// when it closes (and focuses it when closed through its button), unless that
// button is gone by then.
void mostrarEstadisticas(const Velmo& velmo, QPushButton* cmdNuevaPregunta);
void mostrarTemas();
void mostrarAcerca();

} // namespace auguron
