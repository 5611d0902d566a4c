#pragma once

// Stored texts are written readable here, in UTF-8, and turned into enciphered
// Windows-1252 bytes while the program is compiled: the plain wording never
// reaches the binary, and a text of the wrong length does not compile.
//
//   constexpr auto t = tabla<66, 68>(u8"…sixty-six characters…", u8"…");
//   const Lista Respuestas{vistas(t)};          // Respuestas[1], Respuestas[2]
//
// `palabras(...)` does the same for keywords, whose lengths are free, and
// `plano(...)` gives a plain (not enciphered) Windows-1252 text.

#include "util/Ansi.h"
#include "util/Cifrado.h"

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

namespace auguron::textos {

template <std::size_t Capacidad, std::size_t N> struct Tabla {
    std::array<char, Capacidad == 0 ? 1 : Capacidad> datos{};
    std::array<std::size_t, N + 1> inicio{};

    constexpr std::string_view operator[](std::size_t i) const {
        return {datos.data() + inicio[i], inicio[i + 1] - inicio[i]};
    }
    constexpr std::string_view vista() const requires(N == 1) { return (*this)[0]; }
};

inline constexpr std::size_t kLargoLibre = std::numeric_limits<std::size_t>::max();

namespace detalle {
template <std::size_t C, std::size_t N, std::size_t M>
constexpr void agregar(Tabla<C, N>& t, std::size_t& i, const char8_t (&lit)[M], std::size_t esperado,
                       bool cifrar = true) {
    std::size_t largo = 0;
    const auto bytes = ansi::desdeUtf8(lit, largo);
    if (esperado != kLargoLibre && largo != esperado) {
        throw "a stored text does not have the length it must have";
    }
    const std::size_t desde = t.inicio[i];
    for (std::size_t j = 0; j < largo; ++j) {
        t.datos[desde + j] = cifrar ? codificarCaracter(bytes[j]) : bytes[j];
    }
    t.inicio[++i] = desde + largo;
}
} // namespace detalle

// Texts whose lengths in characters are fixed: one length per text, in order.
template <std::size_t... Largos, std::size_t... M>
consteval Tabla<(Largos + ... + 0), sizeof...(Largos)> tabla(const char8_t (&... lit)[M]) {
    static_assert(sizeof...(Largos) == sizeof...(M), "one length per text");
    Tabla<(Largos + ... + 0), sizeof...(Largos)> t{};
    std::size_t i = 0;
    (detalle::agregar(t, i, lit, Largos), ...);
    return t;
}

// Texts of free length (keywords).
template <std::size_t... M>
consteval Tabla<(M + ... + 0), sizeof...(M)> palabras(const char8_t (&... lit)[M]) {
    Tabla<(M + ... + 0), sizeof...(M)> t{};
    std::size_t i = 0;
    (detalle::agregar(t, i, lit, kLargoLibre), ...);
    return t;
}

// A plain Windows-1252 text (message boxes and status texts, which are not
// stored enciphered).
template <std::size_t M> consteval Tabla<M, 1> plano(const char8_t (&lit)[M]) {
    Tabla<M, 1> t{};
    std::size_t i = 0;
    detalle::agregar(t, i, lit, kLargoLibre, false);
    return t;
}

template <std::size_t C, std::size_t N>
constexpr std::array<std::string_view, N> vistas(const Tabla<C, N>& t) {
    std::array<std::string_view, N> r{};
    for (std::size_t i = 0; i < N; ++i) {
        r[i] = t[i];
    }
    return r;
}

// A list of stored texts, numbered from 1 like the draws that pick them.
class Lista {
public:
    constexpr Lista(std::span<const std::string_view> v)
        : m_v(v) {}
    constexpr std::string_view operator[](int k) const { return m_v[static_cast<std::size_t>(k - 1)]; }
    constexpr int size() const { return static_cast<int>(m_v.size()); }
    constexpr auto begin() const { return m_v.begin(); }
    constexpr auto end() const { return m_v.end(); }

private:
    std::span<const std::string_view> m_v;
};

} // namespace auguron::textos
