#include "answer/RespuestasDeRespaldo.h"

#include "texts/TextosRespaldo.h"

#include <algorithm>

namespace auguron {

using namespace textos;

void RespuestasDeRespaldo::fncResponderPreguntaOrdinaria() {
    // Values 1 to 8 pick the first four replies two by two, so those come
    // twice as often; 9 to 49 pick replies 5 to 45.
    const int n = m_azar.fncNroAleatorio(RespuestasOrdinarias.size() + 4);
    m_estado.Respuesta = RespuestasOrdinarias[n <= 8 ? (n + 1) / 2 : n - 4];
    sumar(m_estado.CantOtrasPreguntas, 1);
}

void RespuestasDeRespaldo::fncResponderPeticionIncoherente() {
    // The last three replies, and the replies for a wrong petition and
    // question, only come once the user has insisted four times.
    const int n = m_azar.fncNroAleatorio(m_estado.CantPeticionesIncoherentes < 4 ? 5 : 15);
    if (n <= 5) {
        m_estado.Respuesta = RespuestasPeticionMala[n];
    } else if (n <= 11) {
        m_estado.Respuesta = RespuestasPeticionMala[6 + (n - 6) / 2];
    } else {
        fncResponderPetYPregIncoherente();
    }
}

void RespuestasDeRespaldo::fncResponderPreguntaIncoherente() {
    m_estado.Respuesta = RespuestasPreguntaMala[m_azar.fncNroAleatorio(RespuestasPreguntaMala.size())];
}

void RespuestasDeRespaldo::fncResponderPetYPregIncoherente() {
    // The last reply is drawn twice as often.
    const int n = m_azar.fncNroAleatorio(RespuestasPetYPregMalas.size() + 1);
    m_estado.Respuesta = RespuestasPetYPregMalas[std::min(n, RespuestasPetYPregMalas.size())];
}

} // namespace auguron
