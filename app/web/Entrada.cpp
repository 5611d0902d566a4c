#include "app/web/Entrada.h"

#include "util/Ansi.h"

#include <algorithm>
#include <array>

namespace auguron::web {

namespace {

constexpr int kRetroceso = 8;

// Ctrl with these edits the box (paste, cut, copy, select all, undo, redo):
// the browser must not. Its other shortcuts (reload, find, print) stay its own.
constexpr std::string_view kEdicion = "vxcazy";

// The code of one typed character, or none: a key's text is one code point.
std::vector<int> codigosDeTexto(std::string_view utf8) {
    std::vector<int> r;
    for (const char c : ansi::deUtf8(utf8)) {
        r.push_back(static_cast<unsigned char>(c));
    }
    return r;
}

std::size_t puntosDeCodigo(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::vector<int> codigosDeCambio(std::string_view antes, std::string_view despues) {
    const auto comun = static_cast<std::size_t>(
        std::mismatch(antes.begin(), antes.end(), despues.begin(), despues.end()).first - antes.begin());
    std::vector<int> r(antes.size() - comun, kRetroceso);
    for (const char c : despues.substr(comun)) {
        r.push_back(static_cast<unsigned char>(c));
    }
    return r;
}

Entrada::Entrada(Caja& caja, std::function<void(std::vector<int>)> alTeclear, std::function<bool()> abierto)
    : m_alTeclear(std::move(alTeclear))
    , m_abierto(std::move(abierto)) {
    val entrada = caja.entrada();
    escuchar(entrada, "keydown", [this](const val& e) { tecla(e); });
    escuchar(entrada, "beforeinput", [this](const val& e) { antesDeEscribir(e); });
    escuchar(entrada, "compositionstart", [this](const val&) { m_compuesto.clear(); });
    escuchar(entrada, "compositionupdate", [this](const val& e) { componer(e, false); });
    escuchar(entrada, "compositionend", [this](const val& e) { componer(e, true); });
    // The input itself never keeps a letter: what a composition left behind
    // goes as soon as it is over. It keeps one blank, the caret behind it, so
    // that a phone's Backspace always has something to delete, and says so.
    auto enBlanco = [entrada]() mutable {
        entrada.set("value", std::string(1, ' '));
        entrada.call<void>("setSelectionRange", 1, 1);
    };
    enBlanco();
    escuchar(entrada, "input", [enBlanco](const val& e) mutable {
        if (!e["isComposing"].as<bool>()) {
            enBlanco();
        }
    });
    for (const char* tipo : {"focus", "pointerup"}) {
        escuchar(entrada, tipo, [enBlanco](const val&) mutable { enBlanco(); });
    }
    // Nothing can be pasted, dropped or picked from a menu.
    for (const char* tipo : {"paste", "cut", "copy", "drop", "dragover", "contextmenu"}) {
        escuchar(entrada, tipo, [](const val& e) { e.call<void>("preventDefault"); });
    }
}

void Entrada::tecla(const val& e) {
    if (m_abierto() || e["isComposing"].as<bool>() || e["keyCode"].as<int>() == 229) {
        return; // a composition's keys: its text comes with its events
    }
    const std::string clave = e["key"].as<std::string>();
    m_teclaMuerta = clave == "Dead";
    const bool ctrl = e["ctrlKey"].as<bool>();
    const bool alt = e["altKey"].as<bool>();
    const bool meta = e["metaKey"].as<bool>();
    std::vector<int> codigos;
    if (clave == "Backspace") {
        codigos = {kRetroceso};
    } else if (clave == "Enter") {
        codigos = {13};
    } else if (clave == "Escape") {
        codigos = {27};
    } else if (clave == "Insert" && e["shiftKey"].as<bool>()) {
        e.call<void>("preventDefault"); // pastes on some systems
        return;
    } else if (ctrl && !alt) {
        if (clave.size() == 1 &&
            kEdicion.find(static_cast<char>(std::tolower(clave[0]))) != std::string::npos) {
            e.call<void>("preventDefault");
        }
        return;
    } else if ((alt && !ctrl) || meta || puntosDeCodigo(clave) != 1) {
        return; // access keys, the system's shortcuts, F-keys, arrows
    } else {
        // A character (Ctrl with Alt is AltGr on some systems, and types).
        codigos = codigosDeTexto(clave);
    }
    e.call<void>("preventDefault");
    if (!codigos.empty()) {
        m_alTeclear(std::move(codigos));
    }
}

void Entrada::antesDeEscribir(const val& e) {
    const std::string tipo = e["inputType"].as<std::string>();
    if (tipo == "insertCompositionText") {
        return; // cannot be cancelled: the composition's events carry it
    }
    e.call<void>("preventDefault");
    const val dato = e["data"];
    if (tipo == "insertText" || tipo == "insertReplacementText") {
        if (!dato.isNull() && !dato.isUndefined()) {
            m_alTeclear(codigosDeTexto(dato.as<std::string>()));
        }
    } else if (tipo.rfind("deleteContentBackward", 0) == 0 || tipo.rfind("deleteWordBackward", 0) == 0) {
        m_alTeclear({kRetroceso});
    }
}

void Entrada::componer(const val& e, bool fin) {
    const val dato = e["data"];
    const std::string texto =
        dato.isNull() || dato.isUndefined() ? std::string() : ansi::deUtf8(dato.as<std::string>());
    // A dead key's accent alone is no character yet: its vowel comes at the end.
    if (fin || !m_teclaMuerta) {
        std::vector<int> codigos = codigosDeCambio(m_compuesto, texto);
        m_compuesto = texto;
        if (!codigos.empty()) {
            m_alTeclear(std::move(codigos));
        }
    }
    if (fin) {
        m_compuesto.clear();
        m_teclaMuerta = false;
    }
}

} // namespace auguron::web
