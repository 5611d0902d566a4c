#pragma once

// Which soul answers the next question, and the status line that tells of the
// search: its two messages after start-up, after a soul is found now and then,
// and after the prayer of the menu.

#include "platform/Plataforma.h"
#include "state/EstadoSesion.h"
#include "util/Aleatorio.h"

namespace auguron {

class BuscadorDeAlmas {
public:
    BuscadorDeAlmas(EstadoSesion& estado, Plataforma& plataforma, FuenteAleatoria& azar)
        : m_estado(estado)
        , m_plataforma(plataforma)
        , m_azar(azar) {}

    // The default label seven times in eight; else a soul's, assembled from
    // stored pieces, and one time in three the status line takes it up.
    void fncSeleccionarAlma();
    void tmrMensaje_Timer();
    // The longer the prayer stays open before OK, the likelier the messages.
    void mnuLeerOracion_Click();

private:
    Entero azar(int Intervalo) { return m_azar.fncNroAleatorio(Intervalo); }

    EstadoSesion& m_estado;
    Plataforma& m_plataforma;
    FuenteAleatoria& m_azar;
};

} // namespace auguron
