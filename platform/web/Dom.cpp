#include "platform/web/Dom.h"

#include "Version.h"
#include "util/Ansi.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <deque>
#include <vector>

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

// The glue's listeners land here, synchronously.
void alEvento(int oyente, val evento) {
    const auto n = static_cast<std::size_t>(oyente);
    if (n < oyentes().size() && oyentes()[n]) {
        oyentes()[n](evento);
    }
}

} // namespace

val documento() {
    return val::global("document");
}

val porId(std::string_view id) {
    return documento().call<val>("getElementById", std::string(id));
}

val crear(const val& padre, const char* etiqueta, const char* clase) {
    val el = documento().call<val>("createElement", std::string(etiqueta));
    if (clase != nullptr) {
        el.set("className", std::string(clase));
    }
    padre.call<void>("appendChild", el);
    return el;
}

void atributo(val el, const char* nombre, std::string_view valor) {
    el.call<void>("setAttribute", std::string(nombre), std::string(valor));
}

void ubicar(val el, const disposicion::Rect& r) {
    using disposicion::px;
    val estilo = el["style"];
    const auto poner = [&](const char* variable, int pixeles) {
        estilo.call<void>("setProperty", std::string(variable), std::to_string(pixeles) + "px");
    };
    poner("--x", px(r.x));
    poner("--y", px(r.y));
    poner("--ancho", px(r.ancho));
    poner("--alto", px(r.alto));
}

void texto(val el, std::string_view t) {
    el.set("textContent", std::string(t));
}

std::string utf8(std::string_view windows1252) {
    return ansi::aUtf8(windows1252);
}

char teclaDeAcceso(std::string_view caption) {
    const std::size_t y = caption.find('&');
    if (y == std::string_view::npos || y + 1 >= caption.size()) {
        return 0;
    }
    return static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(caption[y + 1])));
}

void rotular(val el, std::string_view caption) {
    const std::size_t y = caption.find('&');
    if (y == std::string_view::npos || y + 1 >= caption.size()) {
        texto(el, caption);
        return;
    }
    texto(el, caption.substr(0, y));
    texto(crear(el, "u"), caption.substr(y + 1, 1));
    el.call<void>("append", std::string(caption.substr(y + 2)));
    atributo(el, "aria-keyshortcuts", std::string("Alt+") + teclaDeAcceso(caption));
}

std::string colorCss(disposicion::Color c) {
    const disposicion::Rgb v = disposicion::rgb(c);
    return "rgb(" + std::to_string(v.r) + "," + std::to_string(v.g) + "," + std::to_string(v.b) + ")";
}

val etiqueta(const val& padre, const disposicion::Etiqueta& e) {
    using disposicion::Alineacion;
    std::string clase = "etiqueta control";
    clase += e.trazo & disposicion::Negrita ? " negrita" : "";
    clase += e.trazo & disposicion::Subrayada ? " subrayada" : "";
    clase += e.alineacion == Alineacion::Centro    ? " centro"
             : e.alineacion == Alineacion::Derecha ? " derecha"
                                                   : "";
    val el = crear(padre, "div", clase.c_str());
    atributo(el, "data-nombre", e.nombre);
    ubicar(el, e.r);
    el["style"].call<void>("setProperty", std::string("--color"), colorCss(e.color));
    texto(el, e.texto);
    return el;
}

val boton(const val& padre, const disposicion::Control& c) {
    val b = crear(padre, "button", "boton control");
    atributo(b, "type", "button");
    atributo(b, "data-nombre", c.nombre);
    ubicar(b, c.r);
    rotular(b, c.texto);
    return b;
}

val cajaCorreo(const val& padre, const char* nombre, const disposicion::Rect& r, std::string_view correo) {
    val c = crear(padre, "input", "correo control");
    atributo(c, "data-nombre", nombre);
    atributo(c, "readonly", "");
    atributo(c, "value", correo);
    atributo(c, "aria-label", correo); // a screen reader names the box by its address
    atributo(c, "title",
             std::string(disposicion::contacto::kAsuntoAntes) + kVersion +
                 std::string(disposicion::contacto::kAsuntoDespues));
    ubicar(c, r);
    return c;
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

} // namespace auguron::web

// The glue runs the queue through these, the first asynchronously (it may be
// suspended in a message box), the second to know whether to run it again.
extern "C" EMSCRIPTEN_KEEPALIVE void auguron_despachar() {
    auto& c = auguron::web::cola();
    while (!c.empty()) {
        const std::function<void()> accion = std::move(c.front());
        c.pop_front();
        accion();
    }
}

extern "C" EMSCRIPTEN_KEEPALIVE int auguron_pendientes() {
    return auguron::web::cola().empty() ? 0 : 1;
}

EMSCRIPTEN_BINDINGS(auguron_dom) {
    emscripten::function("alEvento", &auguron::web::alEvento);
}
