#include "answer/Velmo.h"
#include "texts/Ordinarias.h"

#include <algorithm>

namespace auguron {

void Velmo::fncResponderPreguntaOrdinaria() {
    // Values 1 to 8 pick the first four replies two by two, so those come
    // twice as often; 9 to 49 pick replies 5 to 45.
    const int n = azar(textos::RespuestasOrdinarias.size() + 4);
    m_estado.Respuesta = textos::RespuestasOrdinarias[n <= 8 ? (n + 1) / 2 : n - 4];
    sumar(m_estado.CantOtrasPreguntas, 1);
}

void Velmo::fncResponderPeticionIncoherente() {
    // The last three replies, and the replies for a wrong petition and
    // question, only come once the user has insisted four times.
    const int n = azar(m_estado.CantPeticionesIncoherentes < 4 ? 5 : 15);
    if (n <= 5) {
        m_estado.Respuesta = textos::RespuestasPeticionMala[n];
    } else if (n <= 11) {
        m_estado.Respuesta = textos::RespuestasPeticionMala[6 + (n - 6) / 2];
    } else {
        fncResponderPetYPregIncoherente();
    }
}

void Velmo::fncResponderPreguntaIncoherente() {
    m_estado.Respuesta = textos::RespuestasPreguntaMala[azar(textos::RespuestasPreguntaMala.size())];
}

void Velmo::fncResponderPetYPregIncoherente() {
    // The last reply is drawn twice as often.
    const int n = azar(textos::RespuestasPetYPregMalas.size() + 1);
    m_estado.Respuesta = textos::RespuestasPetYPregMalas[std::min(n, textos::RespuestasPetYPregMalas.size())];
}

} // namespace auguron
