#include "answer/Cuentas.h"

namespace auguron {

std::string formatearCuenta(int cuenta) {
    // std::to_string already writes the minus sign and never groups digits.
    return cuenta < 0 ? std::to_string(cuenta) : " " + std::to_string(cuenta);
}

} // namespace auguron
