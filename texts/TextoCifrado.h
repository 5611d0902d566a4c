#pragma once

// Stored texts are written readable, in UTF-8, and turned into enciphered
// Windows-1252 bytes while the program is compiled: the plain wording never
// reaches the binary, and a text of the wrong length does not compile. Each
// list is defined once, in a header, and counted from 1 like the draws that
// pick from it:
//
//   inline constexpr auto Respuestas = tabla<66, 68>(u8"…sixty-six characters…", u8"…");
//   r = Respuestas[azar(Respuestas.size())];
//
// `palabras<N>(...)` does the same for N texts of free length (keywords), and
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

    constexpr std::string_view operator[](int k) const {
        const auto i = static_cast<std::size_t>(k - 1);
        return {datos.data() + inicio[i], inicio[i + 1] - inicio[i]};
    }
    static constexpr int size() { return static_cast<int>(N); }
    // A table of one text stands for that text.
    constexpr operator std::string_view() const requires(N == 1) { return (*this)[1]; }
};

inline constexpr std::size_t kLargoLibre = std::numeric_limits<std::size_t>::max();

namespace detalle {
// Never defined: reaching it stops the compilation.
void largo_equivocado();

// Stops the compilation over a text of the wrong length, with the expected
// length, the actual one and the text in the compiler's message. Clang prints
// the call with its values:
//   note: in call to 'texto_de_largo_equivocado(42, 43, &u8"veo billetes…"[0])'
// GCC prints this call with argument names only; it shows the texts and the
// expected length in the calls above it, and the actual length as the index
// of the out-of-bounds read below:
//   in 'constexpr' expansion of '…tabla<95, 42, 38, …>("veo monedas…", "veo billetes…", …)'
//   in 'constexpr' expansion of '…agregar<175, 3, 44>(t, i, (* & lit#1), 42, 1)'
//   error: array subscript value '43' is outside the bounds of array 'largo_real' …
// that is: text lit#1 (the second, counted from 0) must have 42 characters and has 43.
constexpr void texto_de_largo_equivocado(std::size_t esperado, std::size_t real, const char8_t* texto) {
    if (esperado != real && texto != nullptr) {
        const char largo_real[1]{};
        if (largo_real[real] == 0) { // GCC: the subscript value is the text's actual length
            largo_equivocado();
        }
    }
}

template <std::size_t C, std::size_t N, std::size_t M>
constexpr void agregar(Tabla<C, N>& t, std::size_t& i, const char8_t (&lit)[M], std::size_t esperado,
                       bool cifrar = true) {
    std::size_t largo = 0;
    const auto bytes = ansi::desdeUtf8(lit, largo);
    if (esperado != kLargoLibre && largo != esperado) {
        texto_de_largo_equivocado(esperado, largo, lit);
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

// N texts of free length (keywords, labels).
template <std::size_t N, std::size_t... M>
consteval Tabla<(M + ... + 0), sizeof...(M)> palabras(const char8_t (&... lit)[M]) {
    static_assert(sizeof...(M) == N, "a list does not hold the number of texts it must hold");
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

// The texts of several tables (or single texts) in one list, counted from 1.
// A text shared by two lists is a view of the same bytes, not a copy.
template <std::size_t N> struct Vistas {
    std::array<std::string_view, N> v{};

    constexpr std::string_view operator[](int k) const { return v[static_cast<std::size_t>(k - 1)]; }
    static constexpr int size() { return static_cast<int>(N); }
};

namespace detalle {
template <std::size_t N> constexpr void poner(Vistas<N>& r, std::size_t& k, std::string_view t) {
    r.v[k++] = t;
}
template <std::size_t N, std::size_t C, std::size_t M>
constexpr void poner(Vistas<N>& r, std::size_t& k, const Tabla<C, M>& t) {
    for (int i = 1; i <= t.size(); ++i) {
        r.v[k++] = t[i];
    }
}
} // namespace detalle

template <std::size_t N, class... Partes> consteval Vistas<N> unir(const Partes&... partes) {
    Vistas<N> r{};
    std::size_t k = 0;
    (detalle::poner(r, k, partes), ...);
    if (k != N) {
        throw "a joined list does not hold the number of texts it must hold";
    }
    return r;
}

template <const auto& T> inline constexpr auto vistasDe = unir<static_cast<std::size_t>(T.size())>(T);

// Any stored list, whatever its size, where lists of lists are needed (the
// keyword groups, the rows of the reply table).
class Lista {
public:
    template <std::size_t N>
    constexpr Lista(const Vistas<N>& v)
        : m_v(v.v) {}
    constexpr std::string_view operator[](int k) const { return m_v[static_cast<std::size_t>(k - 1)]; }
    constexpr int size() const { return static_cast<int>(m_v.size()); }
    constexpr auto begin() const { return m_v.begin(); }
    constexpr auto end() const { return m_v.end(); }

private:
    std::span<const std::string_view> m_v;
};

template <const auto& T> inline constexpr Lista lista{vistasDe<T>};

// Whether one of the texts of a list occurs in `texto`. The search is exact,
// so enciphered keywords are found in an enciphered question as plain ones in
// a plain question.
template <class L> constexpr bool algunaEn(const L& textos, std::string_view texto) {
    for (int k = 1; k <= textos.size(); ++k) {
        if (texto.find(textos[k]) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

} // namespace auguron::textos
