#include "answer/Detectores.h"

#include "answer/Temas.h"
#include "texts/PalabrasClave.h"
#include "util/Cifrado.h"

#include <array>

namespace auguron {

namespace {

using namespace textos;

// A specific question: one of its keywords occurs and none of its excluding
// ones. The conditions are tried in this order; the first that holds wins.
struct Puntual {
    Entero codigo;
    Lista claves;
    Lista excluye;
};

constexpr Vistas<0> kNinguna{};

constexpr std::array<Puntual, 9> kPuntuales{{
    {tema::Hora, lista<Claves10001>, lista<Excluye10001>},
    {tema::Fecha, lista<Claves10002>, lista<Excluye10002>},
    {tema::Espiritu, lista<Claves10003>, lista<Excluye10003>},
    {tema::Hijos, lista<Claves10004>, Lista{kNinguna}},
    {tema::EdadEspiritu, lista<Claves10005>, Lista{kNinguna}},
    {tema::SentidoDeLaVida, lista<Claves10006>, lista<Excluye10006>},
    {tema::Estadisticas, lista<Claves10007>, Lista{kNinguna}},
    {tema::Acertijo, lista<Claves10008>, lista<Excluye10008>},
    {tema::ElUsuario, lista<Claves10009>, Lista{kNinguna}},
}};

// The value of the first group of a family that matches, or 0.
template <std::size_t N>
int primerGrupo(const std::string& Pregunta, const std::array<Lista, N>& grupos, int valor) {
    int valorDelGrupo = valor;
    for (const Lista& grupo : grupos) {
        if (algunaEn(grupo, Pregunta)) {
            return valorDelGrupo;
        }
        valorDelGrupo += valor;
    }
    return 0;
}

} // namespace

std::string fncPreguntaBuscable(std::string PreguntaGeneral) {
    constexpr char abreInterrogacion = codificarCaracter('\xBF');
    constexpr char abreExclamacion = codificarCaracter('\xA1');
    for (char& c : PreguntaGeneral) {
        if (c == abreInterrogacion || c == abreExclamacion) {
            c = codificarCaracter(' ');
        }
    }
    return PreguntaGeneral;
}

Entero fncClasificarPregunta(const std::string& PreguntaBuscable) {
    const Entero tema = fncDetectarPreguntaPuntual(PreguntaBuscable);
    return tema != 0 ? tema : fncDetectarPreguntaFrecuente(PreguntaBuscable);
}

Entero fncDetectarPreguntaPuntual(const std::string& Pregunta) {
    for (const Puntual& p : kPuntuales) {
        if (algunaEn(p.claves, Pregunta) && !algunaEn(p.excluye, Pregunta)) {
            return p.codigo;
        }
    }
    return 0;
}

Entero fncDetectarPreguntaFrecuente(const std::string& Pregunta) {
    return static_cast<Entero>(primerGrupo(Pregunta, textos::GruposUnidades, 1) +
                               primerGrupo(Pregunta, textos::GruposCentenas, 100) +
                               primerGrupo(Pregunta, textos::GruposMillares, 1000));
}

} // namespace auguron
