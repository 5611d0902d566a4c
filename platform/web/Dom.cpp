#include "platform/web/Dom.h"

#include "Version.h"
#include "util/Ansi.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <deque>

namespace auguron::web {

namespace {

std::vector<std::function<void(const val&)>>& oyentes() {
    static std::vector<std::function<void(const val&)>> v;
    return v;
}

std::deque<std::function<void()>>& cola() {
    static std::deque<std::function<void()>> c;
    return c;
}

bool s_enAccion = false;
std::function<void()>& detenerse() {
    static std::function<void()> f;
    return f;
}

// The glue's listeners land here, synchronously.
void alEvento(int oyente, val evento) {
    const auto n = static_cast<std::size_t>(oyente);
    if (n < oyentes().size() && oyentes()[n]) {
        oyentes()[n](evento);
    }
}

const char* clasesDe(const disposicion::Etiqueta& e) {
    using disposicion::Alineacion;
    static std::string clases;
    clases = "etiqueta control";
    clases += e.trazo & disposicion::Negrita ? " negrita" : "";
    clases += e.trazo & disposicion::Subrayada ? " subrayada" : "";
    clases += e.alineacion == Alineacion::Centro    ? " centro"
              : e.alineacion == Alineacion::Derecha ? " derecha"
                                                    : "";
    return clases.c_str();
}

} // namespace

val documento() {
    return val::global("document");
}

val porId(std::string_view id) {
    return documento().call<val>("getElementById", std::string(id));
}

val porNombre(const val& ventana, std::string_view nombre) {
    return ventana.call<val>("querySelector", "[data-nombre=\"" + std::string(nombre) + "\"]");
}

void atributo(val el, const char* nombre, std::string_view valor) {
    el.call<void>("setAttribute", std::string(nombre), std::string(valor));
}

void texto(val el, std::string_view t) {
    el.set("textContent", std::string(t));
}

std::string utf8(std::string_view windows1252) {
    return ansi::aUtf8(windows1252);
}

Html& Html::texto(std::string_view t) {
    for (const char c : t) {
        switch (c) {
        case '&':
            m_html += "&amp;";
            break;
        case '<':
            m_html += "&lt;";
            break;
        case '>':
            m_html += "&gt;";
            break;
        case '"':
            m_html += "&quot;";
            break;
        default:
            m_html += c;
        }
    }
    return *this;
}

void Html::atributos(Atributos lista) {
    for (const auto& [nombre, valor] : lista) {
        if (!valor.empty()) {
            m_html += ' ';
            m_html += nombre;
            m_html += "=\"";
            texto(valor);
            m_html += '"';
        }
    }
}

Html& Html::abrir(const char* etiqueta, Atributos lista) {
    m_html += '<';
    m_html += etiqueta;
    atributos(lista);
    m_html += '>';
    return *this;
}

Html& Html::cerrar(const char* etiqueta) {
    m_html += "</";
    m_html += etiqueta;
    m_html += '>';
    return *this;
}

Html& Html::elemento(const char* etiqueta, Atributos lista, std::string_view t) {
    return abrir(etiqueta, lista).texto(t).cerrar(etiqueta);
}

Html& Html::vacio(const char* etiqueta, Atributos lista) {
    return abrir(etiqueta, lista);
}

Html& Html::rotulo(std::string_view caption) {
    const std::size_t y = caption.find('&');
    if (y == std::string_view::npos || y + 1 >= caption.size()) {
        return texto(caption);
    }
    return texto(caption.substr(0, y))
        .elemento("u", {}, caption.substr(y + 1, 1))
        .texto(caption.substr(y + 2));
}

Html& Html::agregar(const Html& otro) {
    m_html += otro.m_html;
    return *this;
}

void Html::poner(const val& padre) const {
    padre.call<void>("insertAdjacentHTML", std::string("beforeend"), m_html);
}

std::string lugar(const disposicion::Rect& r) {
    using disposicion::px;
    return "--x:" + std::to_string(px(r.x)) + "px;--y:" + std::to_string(px(r.y)) +
           "px;--ancho:" + std::to_string(px(r.ancho)) + "px;--alto:" + std::to_string(px(r.alto)) + "px";
}

std::string colorCss(disposicion::Color c) {
    const disposicion::Rgb v = disposicion::rgb(c);
    return "rgb(" + std::to_string(v.r) + "," + std::to_string(v.g) + "," + std::to_string(v.b) + ")";
}

char teclaDeAcceso(std::string_view caption) {
    const std::size_t y = caption.find('&');
    if (y == std::string_view::npos || y + 1 >= caption.size()) {
        return 0;
    }
    return static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(caption[y + 1])));
}

std::string atajoDeAcceso(std::string_view caption) {
    const char letra = teclaDeAcceso(caption);
    return letra == 0 ? std::string() : std::string("Alt+") + letra;
}

void etiqueta(Html& h, const disposicion::Etiqueta& e, std::string_view id) {
    const std::string estilo = lugar(e.r) + ";--color:" + colorCss(e.color);
    if (id.empty()) {
        h.elemento("div", {{"class", clasesDe(e)}, {"data-nombre", e.nombre}, {"style", estilo}}, e.texto);
    } else {
        h.elemento("div", {{"class", clasesDe(e)}, {"data-nombre", e.nombre}, {"id", id}, {"style", estilo}},
                   e.texto);
    }
}

void boton(Html& h, const disposicion::Control& c, std::string_view id) {
    const std::string estilo = lugar(c.r);
    const std::string atajo = atajoDeAcceso(c.texto);
    h.abrir("button", {{"type", "button"},
                       {"class", "boton control"},
                       {"data-nombre", c.nombre},
                       {"id", id.empty() ? std::string_view() : id},
                       {"style", estilo},
                       {"aria-keyshortcuts", atajo}});
    h.rotulo(c.texto).cerrar("button");
}

void cajaCorreo(Html& h, const char* nombre, const disposicion::Rect& r, std::string_view correo) {
    const std::string estilo = lugar(r);
    const std::string ayuda = std::string(disposicion::contacto::kAsuntoAntes) + kVersion +
                              std::string(disposicion::contacto::kAsuntoDespues);
    // A screen reader names the box by its address.
    h.vacio("input", {{"class", "correo control"},
                      {"data-nombre", nombre},
                      {"readonly", "readonly"},
                      {"value", correo},
                      {"aria-label", correo},
                      {"title", ayuda},
                      {"style", estilo}});
}

double estrechamiento(const val& el, const std::vector<std::string>& textos) {
    val rango = documento().call<val>("createRange");
    // The width the text takes, whatever its alignment, against the room it has.
    const auto ancho = [&](const val& nodo) {
        rango.call<void>("selectNodeContents", nodo);
        return rango.call<val>("getBoundingClientRect")["width"].as<double>();
    };
    const double sitio = el["clientWidth"].as<double>();
    double mayor = 0;
    if (textos.empty()) {
        mayor = ancho(el);
    } else {
        val prueba = documento().call<val>("createElement", std::string("span"));
        el.call<void>("appendChild", prueba);
        for (const std::string& t : textos) {
            texto(prueba, t);
            mayor = std::max(mayor, ancho(prueba));
        }
        prueba.call<void>("remove");
    }
    return mayor > sitio && mayor > 0 ? sitio / mayor : 1.0;
}

void estrechar(val el, double factor) {
    // In thousandths, written without printf's floating point (a big piece of
    // the page's download for one number).
    const int milesimas = static_cast<int>(factor * 1000);
    if (milesimas < 1000) {
        const std::string cifras = std::to_string(1000 + milesimas);
        el["style"].call<void>("setProperty", std::string("--estrechar"), "0." + cifras.substr(1));
    }
}

int escuchar(const val& el, const char* tipo, std::function<void(const val&)> f, bool captura) {
    auto& v = oyentes();
    v.push_back(std::move(f));
    const int n = static_cast<int>(v.size() - 1);
    val::module_property("escuchar")(el, std::string(tipo), n, captura);
    return n;
}

void olvidar(int oyente) {
    oyentes().at(static_cast<std::size_t>(oyente)) = nullptr;
}

void encolar(std::function<void()> accion) {
    cola().push_back(std::move(accion));
    val::module_property("despertar")();
}

bool enAccion() {
    return s_enAccion;
}

void alDetenerse(std::function<void()> f) {
    detenerse() = std::move(f);
}

void detenerAccion() {
    s_enAccion = false;
    if (detenerse()) {
        detenerse()();
    }
}

void reanudarAccion() {
    s_enAccion = true;
}

} // namespace auguron::web

// The glue runs the queue through these, the first asynchronously (it may be
// suspended in a message box), the second to know whether to run it again.
extern "C" EMSCRIPTEN_KEEPALIVE void auguron_despachar() {
    auto& c = auguron::web::cola();
    while (!c.empty()) {
        const std::function<void()> accion = std::move(c.front());
        c.pop_front();
        auguron::web::reanudarAccion();
        accion();
        auguron::web::detenerAccion();
    }
}

extern "C" EMSCRIPTEN_KEEPALIVE int auguron_pendientes() {
    return auguron::web::cola().empty() ? 0 : 1;
}

EMSCRIPTEN_BINDINGS(auguron_dom) {
    emscripten::function("alEvento", &auguron::web::alEvento);
}
