#pragma once

// Windows-1252 helpers: the logic keeps every text as single-byte Windows-1252
// codes in a std::string. Letter case and code points come from tables of our
// own, because Latin-1 and Windows-1252 differ in 0x80-0x9F.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace auguron::ansi {

// Unicode code point of every Windows-1252 code. The five positions that the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) are carried as the
// C1 control characters of the same number, so that all 256 codes round-trip.
inline constexpr std::array<char32_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t aUnicode(unsigned char c) {
    return (c >= 0x80 && c <= 0x9F) ? kAlto[c - 0x80] : static_cast<char32_t>(c);
}

// The Windows-1252 code of a code point, or -1 when the code page cannot hold it.
constexpr int deUnicode(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<int>(u);
    }
    for (int i = 0; i < 32; ++i) {
        if (kAlto[static_cast<std::size_t>(i)] == u) {
            return 0x80 + i;
        }
    }
    return -1;
}

constexpr unsigned char mayuscula(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

constexpr unsigned char minuscula(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

inline int mayuscula(int k) {
    return (k >= 0 && k <= 255) ? mayuscula(static_cast<unsigned char>(k)) : k;
}

inline std::string enMinusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        c = static_cast<char>(minuscula(static_cast<unsigned char>(c)));
    }
    return r;
}

// Decodes UTF-8 into Windows-1252 (used at compile time); a character the code page
// cannot hold, or broken UTF-8, stops the compilation.
template <std::size_t M> constexpr std::array<char, M> desdeUtf8(const char8_t (&u)[M], std::size_t& largo) {
    std::array<char, M> r{};
    largo = 0;
    for (std::size_t i = 0; i + 1 < M;) {
        const auto b = static_cast<unsigned char>(u[i]);
        char32_t cp = 0;
        std::size_t n = 0;
        if (b < 0x80) {
            cp = b, n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F, n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F, n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07, n = 4;
        } else {
            throw "broken UTF-8 in a stored text";
        }
        if (i + n > M - 1) {
            throw "truncated UTF-8 in a stored text";
        }
        for (std::size_t j = 1; j < n; ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(u[i + j]) & 0x3F);
        }
        const int c = deUnicode(cp);
        if (c < 0) {
            throw "a stored text holds a character outside Windows-1252";
        }
        r[largo++] = static_cast<char>(c);
        i += n;
    }
    return r;
}

} // namespace auguron::ansi
