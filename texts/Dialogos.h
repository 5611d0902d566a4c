#pragma once

// Plain texts of the message boxes, shared by the dialogs that show them.

#include "texts/TextoCifrado.h"

namespace auguron::textos {

inline constexpr auto kTituloOracion = plano(u8"Oración");

} // namespace auguron::textos
