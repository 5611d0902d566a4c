#include "answer/CapturaPeticion.h"

#include "texts/TextosPlanos.h"
#include "util/Ansi.h"

namespace auguron {

namespace {
constexpr int kDosPuntos = 58;
constexpr int kPunto = 46;
constexpr int kRetroceso = 8;
constexpr Entero kUltimaPalabra = 32; // first character of "pregunta" in the phrase
constexpr Entero kFinFrase = 40;      // one past the end of the phrase
constexpr Entero kLimite = 41;        // below it a full stop counts and a phrase character shows
} // namespace

void aplicarTecla(std::string& caja, int k) {
    if (k == kRetroceso) {
        if (!caja.empty()) {
            caja.pop_back();
        }
    } else if (k >= 32 && k <= 255 && k != 127) {
        caja += static_cast<char>(k);
    }
}

bool esControl(int k) {
    return k >= 0 && k < 32 && k != kRetroceso;
}

bool CapturaPeticion::tecla(int& k) {
    // Enter, Escape and Ctrl with a letter are no characters: inserted or
    // captured they would show as boxes in the revealed answer, and move the
    // shown phrase one letter ahead of the box.
    if (esControl(k)) {
        k = 0;
        return false;
    }
    EstadoSesion& e = m_estado;
    if (e.PosPeticion == 1) {
        k = ansi::mayuscula(k);
    }
    if (k == kDosPuntos) {
        return true;
    }

    if (k == kRetroceso) {
        if (e.PosPeticion > 1) {
            sumar(e.PosPeticion, -1);
        }
        if (e.PosPeticion == 1) {
            e.EstadoTruco = 0;
            e.Respuesta.clear();
            e.EnRetroceso = false;
        }
        // Back at the start nothing is left to remove: the capture ended above.
        if (!e.Respuesta.empty() && e.EstadoTruco == 1) {
            e.Respuesta.pop_back();
            if (e.PosPeticion == kUltimaPalabra && e.EnRetroceso) {
                e.EnRetroceso = false;
            }
        }
        return false;
    }

    // The tests of the capture step look at the position the key arrived at.
    const Entero pos = e.PosPeticion;
    if (k == kPunto && pos < kLimite) {
        sumar(e.EstadoTruco, 1);
    }
    const bool captura = e.EstadoTruco == 1 || (k == kPunto && e.EstadoTruco == 2);
    if (!captura) {
        sumar(e.PosPeticion, 1);
        return false;
    }

    if (k != kPunto) {
        e.Respuesta += static_cast<char>(k);
    }
    if (pos == kFinFrase) {
        e.EnRetroceso = true;
    }
    // The erasing stops at the start of the last word, or below it when a
    // Backspace took the box there meanwhile; otherwise it would go on erasing
    // the whole phrase and the position would fall below 1.
    if (pos <= kUltimaPalabra && e.EnRetroceso) {
        e.EnRetroceso = false;
    }
    if (e.EnRetroceso) {
        // The key erases the last character shown instead.
        k = kRetroceso;
        sumar(e.PosPeticion, -1);
    } else {
        // Past the phrase's last character the key shows as typed.
        if (e.PosPeticion >= 1 && static_cast<std::size_t>(e.PosPeticion) <= e.FrasePeticion.size()) {
            k = static_cast<unsigned char>(e.FrasePeticion[static_cast<std::size_t>(e.PosPeticion - 1)]);
        }
        sumar(e.PosPeticion, 1);
    }
    return false;
}

void CapturaPeticion::fncDetectarRespuesta() {
    // The i-th captured character was shown at position i + 1 of the phrase.
    constexpr std::string_view corta = textos::kFrasePeticionCorta;
    std::string& respuesta = m_estado.Respuesta;
    while (!respuesta.empty()) {
        const std::size_t i = respuesta.size();
        if (i < corta.size() && respuesta[i - 1] == corta[i]) {
            respuesta.pop_back();
        } else {
            break;
        }
    }
}

} // namespace auguron
