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

// One UTF-8 sequence of `s` (length `n`) read from `i`, which moves past it.
// Broken or truncated UTF-8 gives kUtf8Roto.
inline constexpr char32_t kUtf8Roto = 0xFFFFFFFF;

template <typename C> constexpr char32_t leerUtf8(const C* s, std::size_t n, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    char32_t cp = 0;
    std::size_t largo = 0;
    if (b < 0x80) {
        cp = b, largo = 1;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F, largo = 2;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F, largo = 3;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07, largo = 4;
    } else {
        ++i;
        return kUtf8Roto;
    }
    if (i + largo > n) {
        i = n;
        return kUtf8Roto;
    }
    for (std::size_t j = 1; j < largo; ++j) {
        const auto c = static_cast<unsigned char>(s[i + j]);
        if ((c & 0xC0) != 0x80) {
            i += j;
            return kUtf8Roto;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += largo;
    return cp;
}

// Decodes UTF-8 into Windows-1252 (used at compile time); a character the code page
// cannot hold, or broken UTF-8, stops the compilation.
template <std::size_t M> constexpr std::array<char, M> desdeUtf8(const char8_t (&u)[M], std::size_t& largo) {
    std::array<char, M> r{};
    largo = 0;
    for (std::size_t i = 0; i + 1 < M;) {
        const char32_t cp = leerUtf8(u, M - 1, i);
        if (cp == kUtf8Roto) {
            throw "broken UTF-8 in a stored text";
        }
        const int c = deUnicode(cp);
        if (c < 0) {
            throw "a stored text holds a character outside Windows-1252";
        }
        r[largo++] = static_cast<char>(c);
    }
    return r;
}

// Text from the outside world (a terminal, a file): characters the code page
// cannot hold and broken UTF-8 are dropped, as the real boxes drop them.
inline std::string deUtf8(std::string_view utf8) {
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = leerUtf8(utf8.data(), utf8.size(), i);
        if (const int c = cp == kUtf8Roto ? -1 : deUnicode(cp); c >= 0) {
            r += static_cast<char>(c);
        }
    }
    return r;
}

inline std::string aUtf8(std::string_view bytes) {
    std::string r;
    r.reserve(bytes.size() * 2);
    for (const char b : bytes) {
        const char32_t u = aUnicode(static_cast<unsigned char>(b));
        if (u < 0x80) {
            r += static_cast<char>(u);
        } else if (u < 0x800) {
            r += static_cast<char>(0xC0 | (u >> 6));
            r += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            r += static_cast<char>(0xE0 | (u >> 12));
            r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return r;
}

} // namespace auguron::ansi
