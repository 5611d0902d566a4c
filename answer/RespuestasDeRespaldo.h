#pragma once

// The fallback replies: an ordinary question nobody recognised, and the three
// kinds of ill-formed petition and question. Each leaves its reply, enciphered,
// in Respuesta.

#include "state/EstadoSesion.h"
#include "util/Aleatorio.h"

namespace auguron {

class RespuestasDeRespaldo {
public:
    RespuestasDeRespaldo(EstadoSesion& estado, FuenteAleatoria& azar)
        : m_estado(estado)
        , m_azar(azar) {}

    // Counts the answer among the ordinary ones.
    void fncResponderPreguntaOrdinaria();
    void fncResponderPeticionIncoherente();
    void fncResponderPreguntaIncoherente();
    void fncResponderPetYPregIncoherente();

private:
    EstadoSesion& m_estado;
    FuenteAleatoria& m_azar;
};

} // namespace auguron
