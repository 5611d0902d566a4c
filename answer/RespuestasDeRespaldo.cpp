#include "answer/RespuestasDeRespaldo.h"

#include "answer/Reparto.h"
#include "texts/TextosRespaldo.h"

namespace auguron {

using namespace textos;

namespace {
// The first four ordinary replies come twice as often.
constexpr Reparto<RespuestasOrdinarias.size()> kOrdinarias{2, 2, 2, 2};

// Eight replies to an incoherent petition, the last three twice as likely, and
// a ninth entry that answers as if the question were wrong too. The first
// petitions draw over the first five replies only: the rest come once the
// user has insisted.
constexpr Reparto<RespuestasPeticionMala.size() + 1> kPeticionMala{1, 1, 1, 1, 1, 2, 2, 2, 4};
constexpr int kPeticionMalaAlPrincipio = 5;
constexpr Entero kInsistencias = 4;

// The last reply to a wrong petition and question comes twice as often.
constexpr Reparto<RespuestasPetYPregMalas.size()> kPetYPregMalas{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
} // namespace

void RespuestasDeRespaldo::fncResponderPreguntaOrdinaria() {
    m_estado.Respuesta =
        RespuestasOrdinarias[kOrdinarias.entrada(m_azar.fncNroAleatorio(kOrdinarias.tamano()))];
    sumar(m_estado.CantOtrasPreguntas, 1);
}

void RespuestasDeRespaldo::fncResponderPeticionIncoherente() {
    const bool insiste = m_estado.CantPeticionesIncoherentes >= kInsistencias;
    const int entrada = kPeticionMala.entrada(
        m_azar.fncNroAleatorio(insiste ? kPeticionMala.tamano() : kPeticionMalaAlPrincipio));
    if (entrada <= RespuestasPeticionMala.size()) {
        m_estado.Respuesta = RespuestasPeticionMala[entrada];
    } else {
        fncResponderPetYPregIncoherente();
    }
}

void RespuestasDeRespaldo::fncResponderPreguntaIncoherente() {
    m_estado.Respuesta = RespuestasPreguntaMala[m_azar.fncNroAleatorio(RespuestasPreguntaMala.size())];
}

void RespuestasDeRespaldo::fncResponderPetYPregIncoherente() {
    m_estado.Respuesta =
        RespuestasPetYPregMalas[kPetYPregMalas.entrada(m_azar.fncNroAleatorio(kPetYPregMalas.tamano()))];
}

} // namespace auguron
