// libFuzzer entry: every input is one session of the main window's logic.
// A broken rule prints what happened and aborts, so libFuzzer keeps the input.

#include "Sesion.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    try {
        auguron::fuzz::jugarSesion({datos, largo});
    } catch (const auguron::fuzz::Violacion& v) {
        std::fprintf(stderr, "\n*** auguron: %s\n", v.what());
        std::abort();
    }
    return 0;
}
