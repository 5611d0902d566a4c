#include "platform/web/Caja.h"

namespace auguron::web {

Caja::Caja(const val& padre, const disposicion::Control& control, val etiqueta)
    : m_marco(crear(padre, "div", "caja control"))
    , m_vista(val::undefined())
    , m_entrada(val::undefined()) {
    const std::string nombre(control.nombre);
    atributo(m_marco, "id", nombre);
    atributo(m_marco, "data-nombre", nombre);
    ubicar(m_marco, control.r);

    m_vista = crear(m_marco, "div", "vista");
    atributo(m_vista, "id", nombre + "-texto");
    atributo(m_vista, "aria-hidden", "true");

    m_entrada = crear(m_marco, "input", "entrada");
    atributo(m_entrada, "id", nombre + "-entrada");
    atributo(m_entrada, "type", "text");
    // Nothing may put text into it but the player's keys, one by one.
    for (const char* a : {"autocomplete", "autocorrect", "autocapitalize"}) {
        atributo(m_entrada, a, "off");
    }
    atributo(m_entrada, "spellcheck", "false");
    atributo(m_entrada, "aria-describedby", nombre + "-texto");
    atributo(m_entrada, "title", control.ayuda);
    etiqueta.set("htmlFor", nombre + "-entrada");
}

void Caja::fijar(std::string windows1252) {
    m_texto = std::move(windows1252);
    web::texto(m_vista, utf8(m_texto));
    // As in a one-line box, the end of a long text stays in sight.
    m_vista.set("scrollLeft", m_vista["scrollWidth"]);
}

void Caja::habilitar(bool si) {
    m_habilitada = si;
    m_entrada.set("disabled", !si);
    m_marco["classList"].call<void>("toggle", std::string("deshabilitada"), !si);
}

void Caja::fondoSistema(bool si) {
    m_marco["classList"].call<void>("toggle", std::string("gris"), !si);
}

void Caja::enfocar() {
    if (m_habilitada) {
        m_entrada.call<void>("focus");
    }
}

} // namespace auguron::web
