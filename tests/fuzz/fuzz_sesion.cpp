// libFuzzer entry: every input is one session of the main window's logic. A
// broken rule prints itself and aborts, so libFuzzer keeps the input.

#include "Sesion.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    try {
        auguron::fuzz::jugarSesion({datos, largo});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "\n*** auguron: %s\n", e.what());
        std::abort();
    }
    return 0;
}
