#include "windows/web/VentanasWeb.h"

#include "Version.h"
#include "platform/Disposicion.h"
#include "platform/web/Dom.h"
#include "platform/web/Escritorio.h"
#include "util/Cifrado.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace auguron::web {

namespace d = disposicion;

namespace {

std::unique_ptr<Ventana> g_estadisticas;
std::unique_ptr<Ventana> g_temas;
std::unique_ptr<Ventana> g_acerca;

// A closed window is made anew; one still open is brought to the front.
template <class Hacer> void mostrarUna(std::unique_ptr<Ventana>& v, Hacer hacer) {
    if (!v || !v->abierta()) {
        v = hacer();
        v->mostrar();
        // One narrowing for all its texts, so that the lines still match.
        const val textos = v->cliente().call<val>("querySelectorAll", std::string(".etiqueta"));
        double factor = 1.0;
        for (int i = 0; i < textos["length"].as<int>(); ++i) {
            factor = std::min(factor, estrechamiento(textos[i]));
        }
        for (int i = 0; i < textos["length"].as<int>(); ++i) {
            estrechar(textos[i], factor);
        }
        val primero = v->cliente().call<val>("querySelector", std::string("button, input"));
        if (!primero.isNull()) {
            primero.call<void>("focus");
        }
        return;
    }
    v->mostrar();
}

// The browser, named as its maker names it: the system the page runs on.
std::string navegador() {
    const val nav = val::global("navigator");
    const val datos = nav["userAgentData"];
    if (!datos.isUndefined()) {
        std::string nombre;
        const val marcas = datos["brands"];
        for (int i = 0; i < marcas["length"].as<int>(); ++i) {
            const std::string marca = marcas[i]["brand"].as<std::string>();
            if (marca.find("Not") == std::string::npos && (nombre.empty() || nombre == "Chromium")) {
                nombre = marca;
            }
        }
        if (!nombre.empty()) {
            return nombre;
        }
    }
    const std::string agente = nav["userAgent"].as<std::string>();
    for (const auto& [clave, nombre] :
         std::array<std::pair<const char*, const char*>, 5>{{{"Firefox/", "Firefox"},
                                                             {"Edg/", "Edge"},
                                                             {"OPR/", "Opera"},
                                                             {"Chrome/", "Chrome"},
                                                             {"Safari/", "Safari"}}}) {
        if (agente.find(clave) != std::string::npos) {
            return nombre;
        }
    }
    return "la web";
}

} // namespace

void mostrarEstadisticas(const CuentasPreguntas& cuentas, std::function<void(bool conAceptar)> alCerrar) {
    namespace e = d::estadisticas;
    mostrarUna(g_estadisticas, [&] {
        const std::array<int, 5> numeros{cuentas.truco, cuentas.frecuentes, cuentas.malFormuladas,
                                         cuentas.otras, cuentas.total()};
        Html h;
        boton(h, e::cmdAceptar);
        for (std::size_t i = 0; i < e::kFilas.size(); ++i) {
            const e::Fila& f = e::kFilas[i];
            if (&f == &e::kFilas.back()) { // the rule that closes the sum
                h.vacio("hr", {{"class", "linea control"}, {"style", lugar(e::kLinea)}});
            }
            const std::string rotulo = utf8(fncDecodificar(f.cifrado));
            etiqueta(h, {f.rotulo, rotulo, {e::kXRotulo, f.y, f.anchoRotulo, e::kAltoFila}});
            const std::string numero = formatearCuenta(numeros[i]);
            etiqueta(h, {f.cuenta,
                         numero,
                         {e::kXCuenta, f.y, e::kAnchoCuenta, e::kAltoFila},
                         d::Normal,
                         d::Alineacion::Derecha});
        }
        auto v = std::make_unique<Ventana>("frmEstadisticas", e::kTitulo, e::kAncho, e::kAlto, e::kFondo,
                                           false, h);

        Ventana* w = v.get();
        auto conAceptar = std::make_shared<bool>(false);
        const auto aceptarYCerrar = [w, conAceptar] {
            *conAceptar = true;
            w->cerrar();
        };
        w->escuchar(porNombre(w->cliente(), e::cmdAceptar.nombre), "click",
                    [aceptarYCerrar](const val&) { aceptarYCerrar(); });
        w->alEscape = aceptarYCerrar; // as in any dialog
        w->alCerrar = [alCerrar, conAceptar] { alCerrar(*conAceptar); };
        return v;
    });
}

void mostrarTemas() {
    namespace t = d::temas;
    mostrarUna(g_temas, [] {
        Html h;
        for (const d::Etiqueta& e : t::kEtiquetas) {
            etiqueta(h, e);
        }
        cajaCorreo(h, "txtMail1", t::kCorreo1, d::contacto::kCorreoDisenador);
        cajaCorreo(h, "txtMail2", t::kCorreo2, d::contacto::kCorreoContacto);
        return std::make_unique<Ventana>("frmTemas", t::kTitulo, t::kAncho, t::kAlto, t::kFondo, false, h);
    });
}

void mostrarAcerca() {
    namespace a = d::acerca;
    mostrarUna(g_acerca, [] {
        Html h;
        boton(h, a::cmdAceptar);
        h.vacio("img", {{"class", "control logo"},
                        {"data-nombre", "Picture1"},
                        {"src", "logo.jpg"},
                        {"alt", "Logo de Auguron"},
                        {"style", lugar(a::kPicture1)}});
        const std::string version =
            std::string(a::kVersionAntes) + kVersion + std::string(a::kVersionPara) + navegador();
        d::Etiqueta label1 = a::kLabel1;
        label1.texto = version;
        etiqueta(h, label1);
        for (const d::Etiqueta& e : a::kEtiquetas) {
            etiqueta(h, e);
        }
        h.abrir("div", {{"class", "marco control"}, {"data-nombre", "Frame1"}, {"style", lugar(a::kFrame1)}});
        for (const d::Etiqueta& e : a::kEnMarco) {
            etiqueta(h, e);
        }
        cajaCorreo(h, "txtMail1", a::kCorreo1, d::contacto::kCorreoDisenador);
        cajaCorreo(h, "txtMail2", a::kCorreo2, d::contacto::kCorreoContacto);
        h.cerrar("div");
        etiqueta(h, a::kLabel8);
        auto v = std::make_unique<Ventana>("frmAcerca", a::kTitulo, a::kAncho, a::kAlto, a::kFondo, false, h);
        Ventana* w = v.get();
        w->escuchar(porNombre(w->cliente(), a::cmdAceptar.nombre), "click", [w](const val&) { w->cerrar(); });
        return v;
    });
}

} // namespace auguron::web
