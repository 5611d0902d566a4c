#pragma once

// The replies of the recognised topics: plain draws over a topic's list, topics
// that tire or remember, replies built around the date or the time, the offer
// dialogs, the suspense answers and the statistics command.

#include "answer/RespuestasDeRespaldo.h"
#include "platform/Plataforma.h"
#include "state/EstadoControles.h"
#include "state/EstadoSesion.h"
#include "texts/TextoCifrado.h"
#include "util/Aleatorio.h"

namespace auguron {

class RespuestasFrecuentes {
public:
    RespuestasFrecuentes(EstadoSesion& estado, EstadoControles& controles, Plataforma& plataforma,
                         FuenteAleatoria& azar, RespuestasDeRespaldo& respaldo)
        : m_estado(estado)
        , m_controles(controles)
        , m_plataforma(plataforma)
        , m_azar(azar)
        , m_respaldo(respaldo) {}

    // Leaves the reply and its label, enciphered, in Respuesta and NombreAlma.
    // A code without replies of its own gets an ordinary reply under the label
    // it found. Called again by the suspense timer for the final reply.
    void fncResponderPreguntaFrecuente(Entero TemaPregunta);
    void fncResponderObviedad();
    void fncResponderTemaRepetido();

private:
    Entero azar(int Intervalo) { return m_azar.fncNroAleatorio(Intervalo); }

    // One handler per kind of row of the table of codes; false for no row.
    bool responderTema(Entero tema);
    void responderNota();
    void responderTrabajo();
    void responderBoda();
    void responderContado(Entero& veces, const textos::Lista& respuestas);
    void responderDigitoDelDia();
    void responderNumerosDeLaSemana();
    void responderHora();
    void responderFecha();
    void responderOfrecimiento();
    void responderQuien();
    void responderSentidoDeLaVida();
    void responderEstadisticas();

    EstadoSesion& m_estado;
    EstadoControles& m_controles;
    Plataforma& m_plataforma;
    FuenteAleatoria& m_azar;
    RespuestasDeRespaldo& m_respaldo;
};

} // namespace auguron
