#include "platform/web/Caja.h"

namespace auguron::web {

void Caja::html(Html& h, const disposicion::Control& control, std::string_view etiqueta) {
    const std::string nombre(control.nombre);
    h.abrir(
        "div",
        {{"class", "caja control"}, {"id", nombre}, {"data-nombre", nombre}, {"style", lugar(control.r)}});
    h.elemento("div", {{"class", "vista"}, {"id", nombre + "-texto"}, {"aria-hidden", "true"}}, "");
    // Nothing may put text into it but the player's keys, one by one.
    h.vacio("input", {{"class", "entrada"},
                      {"id", nombre + "-entrada"},
                      {"type", "text"},
                      {"autocomplete", "off"},
                      {"autocorrect", "off"},
                      {"autocapitalize", "off"},
                      {"spellcheck", "false"},
                      {"aria-labelledby", etiqueta},
                      {"aria-describedby", nombre + "-texto"},
                      {"title", control.ayuda}});
    h.cerrar("div");
}

Caja::Caja(const disposicion::Control& control)
    : m_marco(porId(control.nombre))
    , m_vista(porId(std::string(control.nombre) + "-texto"))
    , m_entrada(porId(std::string(control.nombre) + "-entrada")) {}

void Caja::fijar(std::string windows1252) {
    m_texto = std::move(windows1252);
    web::texto(m_vista, utf8(m_texto));
    // As in a one-line box, the end of a long text stays in sight. (Reading
    // the width lays the page out: not for an empty box.)
    m_vista.set("scrollLeft", m_texto.empty() ? val(0) : m_vista["scrollWidth"]);
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

void Caja::encajar(const std::string& muestra) {
    estrechar(m_vista, estrechamiento(m_vista, {muestra}));
}

} // namespace auguron::web
