#pragma once

// What the logic remembers of the main window's controls: the few states it
// sets and later reads back. The platform is only told of changes, never asked,
// so these start as the window opens and change only where the logic changes
// the control.

namespace auguron {

struct EstadoControles {
    bool nuevaPreguntaHabilitada = true; // off while the statistics window is open
    bool logoVisible = false;
    // The petition box holds text: set at each submission, cleared by the reset.
    // Once a question is answered both boxes stay locked until the reset, so it
    // holds for every suspense tick.
    bool peticionEscrita = false;
};

} // namespace auguron
