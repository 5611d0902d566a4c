#include "Apoyo.h"

#include "util/Ansi.h"

#include <stdexcept>

namespace auguron::prueba {

std::string w(std::string_view utf8) {
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = b;
        std::size_t n = 1;
        if (b >= 0xF0) {
            cp = b & 0x07, n = 4;
        } else if (b >= 0xE0) {
            cp = b & 0x0F, n = 3;
        } else if (b >= 0xC0) {
            cp = b & 0x1F, n = 2;
        }
        for (std::size_t j = 1; j < n; ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
        }
        const int c = ansi::deUnicode(cp);
        if (c < 0) {
            throw std::invalid_argument("test text outside Windows-1252");
        }
        r += static_cast<char>(c);
        i += n;
    }
    return r;
}

} // namespace auguron::prueba
