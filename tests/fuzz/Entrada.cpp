#include "Entrada.h"

#include "texts/Claves.h"
#include "texts/Ordinarias.h"
#include "util/Cifrado.h"

namespace auguron::fuzz {

// Well formed, ill formed, hidden answers, a capture opened at position 40,
// control codes.
const std::vector<std::string>& peticiones() {
    static const std::vector<std::string> p = {
        "Velmo, favor de responder esta pregunta:",
        "velmo, favor de responder:",
        ".simo, favor de responder:",
        ".no.o, favor de responder:",
        ".elmo, favor de responder:",
        "." + std::string(45, 'x') + ":",
        "Velmo, favor:",
        "VELMO, FAVOR DE RESPONDER ESTA PREGUNTA:",
        "vElMo, FaVoR dE rEsPoNdEr:",
        ":",
        std::string(39, 'a') + ".",
        "Velmo, favor de responder esta pregunta...:",
        "\xBF"
        "Velmo?\x0D favor\x09"
        "de responder\x1B:",
    };
    return p;
}

namespace {

template <typename L> std::vector<std::string> planas(const L& lista) {
    std::vector<std::string> r;
    for (const auto c : lista) {
        r.push_back(fncDecodificar(c));
    }
    return r;
}

} // namespace

const Vocabulario& vocabulario() {
    static const Vocabulario v = [] {
        using namespace textos;
        Vocabulario r;
        for (const Lista* l : {&Claves10001, &Claves10002, &Claves10003, &Claves10004, &Claves10005,
                               &Claves10006, &Claves10007, &Claves10008, &Claves10009}) {
            for (auto& c : planas(*l)) {
                r.puntuales.push_back(std::move(c));
            }
        }
        for (const auto& g : GruposUnidades) {
            r.familias[0].push_back(planas(g));
        }
        for (const auto& g : GruposCentenas) {
            r.familias[1].push_back(planas(g));
        }
        for (const auto& g : GruposMillares) {
            r.familias[2].push_back(planas(g));
        }
        r.dePregunta = planas(PalabrasDePregunta);
        r.suspenso = planas(Claves10006);
        return r;
    }();
    return v;
}

const std::vector<std::string>& preguntasRaras() {
    static const std::vector<std::string> p = {
        "psst hmm",
        "brrrrr ok",
        "kkk kilo",
        "\xC1RBOL \xD1"
        "and\xFA ping\xFCino",
        "  dos   palabras  ",
        "\xBF\xA1qu\xE9 ser\xE1 de mi vida!",
        "x",
        "",
        "rhythm and blues",
        "\x80\x81\x8D\x9F\xFF \xDF\xB5",
        "\xC9STA ES LA PREGUNTA M\xC1S LARGA DEL MUNDO ENTERO",
    };
    return p;
}

// ---- The session ----

} // namespace auguron::fuzz
