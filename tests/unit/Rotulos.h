#pragma once

// Every label an answer can be shown under, for the tests that check one.

#include "Apoyo.h"
#include "texts/TextosAlmas.h"
#include "texts/TextosTemas.h"

#include <set>

namespace auguron::prueba {

// Every label an answer can be shown under, plain.
inline const std::set<std::string, std::less<>>& rotulos() {
    static const std::set<std::string, std::less<>> r = [] {
        using namespace textos;
        std::set<std::string, std::less<>> s;
        const auto poner = [&](std::string_view a, std::string_view b = {}, std::string_view c = {}) {
            s.insert(plano(std::string(a) + std::string(b) + std::string(c)));
        };
        cada(AlmaMedios, [&](auto m) { cada(AlmaFinales, [&](auto f) { poner(AlmaInicio, m, f); }); });
        cada(Alma2Primeros, [&](auto p) { cada(Alma2Finales, [&](auto f) { poner(p, f); }); });
        cada(Alma3Primeros, [&](auto p) { poner(p, Alma3Final); });
        cada(AlmasEnteras, [&](auto e) { poner(e); });
        for (std::string_view e : std::initializer_list<std::string_view>{NombreAlmaPorDefecto, EtiquetaA,
                                                                          EtiquetaB, EtiquetaC, EtiquetaD}) {
            poner(e);
        }
        return s;
    }();
    return r;
}

} // namespace auguron::prueba
