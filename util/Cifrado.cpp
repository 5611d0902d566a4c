#include "util/Cifrado.h"

namespace auguron {

std::string fncCodificar(std::string_view Origen) {
    std::string r(Origen);
    for (char& c : r) {
        c = codificarCaracter(c);
    }
    return r;
}

std::string fncDecodificar(std::string_view Origen) {
    std::string r(Origen);
    for (char& c : r) {
        c = decodificarCaracter(c);
    }
    return r;
}

} // namespace auguron
