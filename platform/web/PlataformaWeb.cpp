#include "platform/web/PlataformaWeb.h"

#include "platform/Disposicion.h"
#include "util/Ansi.h"
#include "util/FechaLarga.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace auguron::web {

namespace {

std::size_t indice(Control c) {
    return static_cast<std::size_t>(c);
}

// A caption goes into the element's "rotulo" child where it has one (a menu
// item keeps its shortcut beside it), else into the element itself.
val rotuloDe(const val& el) {
    const val hijo = el.call<val>("querySelector", std::string(".rotulo"));
    return hijo.isNull() ? el : hijo;
}

struct BotonCaja {
    const char* texto;
    Boton boton;
};

} // namespace

void PlataformaWeb::asociar(Control c, const val& elemento) {
    m_elementos[indice(c)] = elemento;
}

void PlataformaWeb::asociar(Control c, Caja& caja) {
    m_cajas[indice(c)] = &caja;
    m_elementos[indice(c)] = caja.entrada();
}

void PlataformaWeb::asociar(Temporizador t, std::function<void()> tic) {
    m_relojes[static_cast<std::size_t>(t)].tic = std::move(tic);
}

void PlataformaWeb::asociarVentana(Ventana& principal) {
    m_principal = &principal;
}

Boton PlataformaWeb::mensaje(std::string_view texto, std::string_view titulo, Botones botones) {
    const val anterior = documento()["activeElement"];
    std::vector<BotonCaja> lista;
    int alCancelar = -1; // a Yes/No box cannot be dismissed without choosing
    switch (botones) {
    case Botones::Aceptar:
        lista = {{"Aceptar", Boton::Aceptar}};
        alCancelar = static_cast<int>(Boton::Aceptar);
        break;
    case Botones::AceptarCancelar:
        lista = {{"Aceptar", Boton::Aceptar}, {"Cancelar", Boton::Cancelar}};
        alCancelar = static_cast<int>(Boton::Cancelar);
        break;
    case Botones::SiNo:
        lista = {{"Sí", Boton::Si}, {"No", Boton::No}};
        break;
    }

    Html h;
    h.abrir("dialog", {{"class", "mensaje"},
                       {"id", "mensaje"},
                       {"aria-labelledby", "mensaje-titulo"},
                       {"aria-describedby", "mensaje-texto"}});
    h.abrir("header", {{"class", "barra"}});
    h.vacio("img", {{"class", "icono"}, {"src", "iconos/auguron-16.png"}, {"role", "presentation"}});
    h.elemento("span", {{"class", "titulo"}, {"id", "mensaje-titulo"}}, utf8(titulo)).cerrar("header");
    // One paragraph a line: character 13 breaks them.
    h.abrir("div", {{"class", "cuerpo"}, {"id", "mensaje-texto"}});
    for (std::string_view resto = texto;;) {
        const std::size_t fin = resto.find('\r');
        h.elemento("p", {}, utf8(resto.substr(0, fin)));
        if (fin == std::string_view::npos) {
            break;
        }
        resto.remove_prefix(fin + 1);
    }
    h.cerrar("div").abrir("div", {{"class", "botones"}});
    for (const BotonCaja& b : lista) {
        // The first button is the default: it has the focus as the box opens.
        h.elemento("button",
                   {{"type", "button"},
                    {"data-boton", std::to_string(static_cast<int>(b.boton))},
                    {"autofocus", &b == &lista.front() ? "autofocus" : ""}},
                   b.texto);
    }
    h.cerrar("div").cerrar("dialog");
    h.poner(documento()["body"]);
    val caja = porId("mensaje");

    m_mensajeAbierto = true;
    m_focoPendiente.reset();
    caja.call<void>("showModal");
    web::detenerAccion();
    const int respuesta = val::module_property("esperarBoton")(caja, alCancelar).await().as<int>();
    web::reanudarAccion();
    caja.call<void>("close");
    caja.call<void>("remove");
    m_mensajeAbierto = false;
    // The focus goes back where it was, as after any dialog, or where it was
    // moved to meanwhile.
    if (m_focoPendiente) {
        enfocar(*m_focoPendiente);
    } else if (!anterior.isNull() && documento()["body"].call<bool>("contains", anterior)) {
        anterior.call<void>("focus");
    }
    return static_cast<Boton>(respuesta);
}

void PlataformaWeb::fijarTexto(Control c, std::string_view texto) {
    if (Caja* caja = m_cajas[indice(c)]) {
        caja->fijar(std::string(texto));
        return;
    }
    const val& el = m_elementos[indice(c)];
    if (c == Control::cmdNuevaPregunta) {
        web::texto(el, "");
        Html().rotulo(utf8(texto)).poner(el);
        return;
    }
    web::texto(rotuloDe(el), utf8(texto));
    // The answer is read out once it is final: not the suspense's dots, which
    // come while its timer runs, and not the reset's empty label.
    if (c == Control::lblRespuesta && !texto.empty() &&
        m_relojes[static_cast<std::size_t>(Temporizador::tmrSuspenso)].periodo == 0) {
        web::texto(porId("anuncio"), utf8(texto));
    }
}

void PlataformaWeb::habilitar(Control c, bool si) {
    if (Caja* caja = m_cajas[indice(c)]) {
        caja->habilitar(si);
        return;
    }
    m_elementos[indice(c)].set("disabled", !si);
}

void PlataformaWeb::mostrar(Control c, bool si) {
    val el = m_elementos[indice(c)];
    // A picture is fetched the first time it shows: most games never show it.
    if (si && !el["dataset"]["src"].isUndefined() &&
        el.call<val>("getAttribute", std::string("src")).isNull()) {
        el.set("src", el["dataset"]["src"]);
    }
    el.set("hidden", !si);
}

void PlataformaWeb::enfocar(Control c) {
    // Behind an open box nothing can take the focus: the main window takes it
    // once the box closes, as a desktop window does.
    if (m_mensajeAbierto) {
        m_focoPendiente = c;
        return;
    }
    if (Caja* caja = m_cajas[indice(c)]) {
        caja->enfocar();
        return;
    }
    val el = m_elementos[indice(c)];
    if (el["disabled"].as<bool>()) {
        return;
    }
    // The button that holds the focus after an answer has no caption: a screen
    // reader reads the answer as the focus arrives.
    if (c == Control::cmdFocus) {
        const std::string respuesta =
            m_elementos[indice(Control::lblRespuesta)]["textContent"].as<std::string>();
        atributo(el, "aria-label", respuesta.empty() ? disposicion::principal::cmdFocus.ayuda : respuesta);
    }
    el.call<void>("focus");
}

void PlataformaWeb::fondoSistema(Control c, bool sistema) {
    if (Caja* caja = m_cajas[indice(c)]) {
        caja->fondoSistema(sistema);
    }
}

PlataformaWeb* PlataformaWeb::s_plataforma = nullptr;

PlataformaWeb::PlataformaWeb() {
    s_plataforma = this;
    // A timer started by an action counts from the moment the action's changes
    // reach the screen: the suspense's last reply then comes its 43 periods
    // after the first reply is seen, however long the rest of the action took.
    web::alDetenerse([] {
        for (Reloj& r : s_plataforma->m_relojes) {
            if (r.pendiente) {
                r.pendiente = false;
                r.inicio = emscripten_get_now();
                programar(r);
            }
        }
    });
}

void PlataformaWeb::programar(Reloj& r) {
    // Each tick is aimed at the start plus a whole number of periods, so that
    // late ticks do not add up: the 43rd of a suspense comes on time. Ticks
    // missed altogether (a tab in the background, a computer asleep) are
    // skipped, not fired in a burst.
    const double ahora = emscripten_get_now();
    const auto transcurridos = static_cast<long>(std::floor((ahora - r.inicio) / r.periodo));
    r.tics = std::max(r.tics, transcurridos);
    const double objetivo = r.inicio + static_cast<double>(r.tics + 1) * r.periodo;
    // The tick carries its timer and the generation it was set for: a tick
    // of a period since stopped or restarted (one the browser failed to
    // cancel) is then known as stale and does nothing.
    ++r.generacion;
    const auto indice = static_cast<std::uintptr_t>(&r - s_plataforma->m_relojes.data());
    r.id = emscripten_set_timeout(&PlataformaWeb::vencer, std::max(0.0, objetivo - ahora),
                                  reinterpret_cast<void*>(indice | (r.generacion << 2)));
}

void PlataformaWeb::vencer(void* dato) {
    const auto codigo = reinterpret_cast<std::uintptr_t>(dato);
    Reloj& r = s_plataforma->m_relojes[codigo & 3];
    if (r.periodo == 0 || (codigo >> 2) != (r.generacion & (UINTPTR_MAX >> 2))) {
        return;
    }
    ++r.tics;
    programar(r); // before the handler, which may stop it or start a new period
    if (r.tic) {
        r.tic();
    }
}

void PlataformaWeb::temporizador(Temporizador t, int ms) {
    Reloj& r = m_relojes[static_cast<std::size_t>(t)];
    if (r.id != 0) {
        emscripten_clear_timeout(r.id);
        r.id = 0;
    }
    ++r.generacion;
    r.periodo = std::max(ms, 0);
    r.tics = 0;
    r.pendiente = r.periodo > 0 && web::enAccion();
    if (r.periodo > 0 && !r.pendiente) {
        r.inicio = emscripten_get_now();
        programar(r);
    }
}

void PlataformaWeb::cerrarVentanaPrincipal() {
    if (m_principal != nullptr) {
        m_principal->cerrar();
    }
}

void PlataformaWeb::cerrarTodas() {
    web::cerrarTodas();
}

void PlataformaWeb::mostrarEstadisticas(const CuentasPreguntas& cuentas) {
    if (alPedirEstadisticas) {
        alPedirEstadisticas(cuentas);
    }
}

double PlataformaWeb::segundosDelDia() const {
    const val ahora = val::global("Date").new_();
    return ahora.call<double>("getHours") * 3600.0 + ahora.call<double>("getMinutes") * 60.0 +
           ahora.call<double>("getSeconds") + ahora.call<double>("getMilliseconds") / 1000.0;
}

std::chrono::sys_days PlataformaWeb::hoy() const {
    const val ahora = val::global("Date").new_();
    return std::chrono::sys_days{std::chrono::year{ahora.call<int>("getFullYear")} /
                                 std::chrono::month{static_cast<unsigned>(ahora.call<int>("getMonth") + 1)} /
                                 std::chrono::day{static_cast<unsigned>(ahora.call<int>("getDate"))}};
}

std::string PlataformaWeb::fechaLarga(std::chrono::sys_days dia) const {
    // A Spanish sentence wants a Spanish date, whatever language the browser speaks.
    const std::string idioma = val::global("navigator")["language"].as<std::string>();
    if (idioma.rfind("es", 0) != 0) {
        return fechaLargaEnCastellano(dia);
    }
    const std::chrono::year_month_day f{dia};
    val opciones = val::object();
    opciones.set("dateStyle", std::string("full"));
    const val fecha = val::global("Date").new_(
        static_cast<int>(f.year()), static_cast<unsigned>(f.month()) - 1, static_cast<unsigned>(f.day()));
    return ansi::deUtf8(fecha.call<std::string>("toLocaleDateString", idioma, opciones));
}

} // namespace auguron::web
