#pragma once

// Two ordinary replies that also answer how many years a relative will live
// (text 4 and text 1 of that topic). Both lists point at these very bytes.

#include "texts/TextoCifrado.h"

namespace auguron::textos {

// [1] is ordinary reply 26, [2] is ordinary reply 32.
inline constexpr auto Compartidas =
    tabla<60, 60>(u8"ese secreto lo guarda el tiempo, y el tiempo es muy discreto",
                  u8"los hilos del destino están enredados; pregúntame otra noche");

} // namespace auguron::textos
