#include "answer/Cuentas.h"

namespace auguron {

std::string formatearCuenta(int cuenta) {
    // std::to_string already writes the minus sign and never groups digits.
    std::string r = cuenta < 0 ? std::string() : std::string(1, ' ');
    r += std::to_string(cuenta);
    return r;
}

} // namespace auguron
