#include "answer/Velmo.h"
#include "texts/Claves.h"

#include <algorithm>
#include <span>

namespace auguron {

namespace {
// Exact search of enciphered keywords in the enciphered question: the cipher
// maps character to character, so this is the plain-text search.
bool alguna(const std::string& Pregunta, const textos::Lista& claves) {
    return std::any_of(claves.begin(), claves.end(),
                       [&](std::string_view c) { return Pregunta.find(c) != std::string::npos; });
}

template <std::size_t N>
Entero primerGrupo(const std::string& Pregunta, const std::array<textos::Lista, N>& grupos, int valor) {
    for (std::size_t i = 0; i < N; ++i) {
        if (alguna(Pregunta, grupos[i])) {
            return static_cast<Entero>(valor * static_cast<int>(i + 1));
        }
    }
    return 0;
}
} // namespace

Entero Velmo::fncDetectarPreguntaPuntual(const std::string& Pregunta) {
    using namespace textos;
    if (alguna(Pregunta, Claves10001) && !alguna(Pregunta, Excluye10001)) {
        return 10001;
    }
    if (alguna(Pregunta, Claves10002) && !alguna(Pregunta, Excluye10002)) {
        return 10002;
    }
    if (alguna(Pregunta, Claves10003) && !alguna(Pregunta, Excluye10003)) {
        return 10003;
    }
    if (alguna(Pregunta, Claves10004)) {
        return 10004;
    }
    if (alguna(Pregunta, Claves10005)) {
        return 10005;
    }
    if (alguna(Pregunta, Claves10006) && !alguna(Pregunta, Excluye10006)) {
        return 10006;
    }
    if (alguna(Pregunta, Claves10007)) {
        return 10007;
    }
    if (alguna(Pregunta, Claves10008) && !alguna(Pregunta, Excluye10008)) {
        return 10008;
    }
    if (alguna(Pregunta, Claves10009)) {
        return 10009;
    }
    return 0;
}

Entero Velmo::fncDetectarPreguntaFrecuente(const std::string& Pregunta) {
    return static_cast<Entero>(primerGrupo(Pregunta, textos::GruposUnidades, 1) +
                               primerGrupo(Pregunta, textos::GruposCentenas, 100) +
                               primerGrupo(Pregunta, textos::GruposMillares, 1000));
}

} // namespace auguron
