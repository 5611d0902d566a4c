#pragma once

// How the values of one draw fall on the entries of a list, where some
// entries take more values than others (the first four ordinary replies twice
// as often, a soul's seven families 15, 5, 3, 3, 2, 2 and 1 times in 31):
// entry i takes `valores[i - 1]` consecutive values, in order, and the draw's
// size is their sum. Written as such a row, every draw value and the entry it
// picks can be read, and checked, one by one.

#include <array>
#include <cstddef>
#include <initializer_list>

namespace auguron {

template <std::size_t N> struct Reparto {
    std::array<int, N> valores{};

    // The given values for the first entries, one value for each of the rest.
    constexpr Reparto(std::initializer_list<int> primeras) {
        valores.fill(1);
        std::size_t i = 0;
        for (const int v : primeras) {
            valores.at(i++) = v;
        }
    }

    static constexpr int entradas() { return static_cast<int>(N); }
    constexpr int tamano() const {
        int t = 0;
        for (const int v : valores) {
            t += v;
        }
        return t;
    }
    // The entry, from 1, that draw value `tirada` (from 1) picks.
    constexpr int entrada(int tirada) const {
        for (std::size_t i = 0; i < N; ++i) {
            tirada -= valores[i];
            if (tirada <= 0) {
                return static_cast<int>(i + 1);
            }
        }
        return static_cast<int>(N);
    }
};

} // namespace auguron
