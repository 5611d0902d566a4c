#include "platform/web/Escritorio.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace auguron::web {

namespace {

std::vector<Ventana*>& abiertas() {
    static std::vector<Ventana*> v;
    return v;
}

int g_frente = 10; // the z-index of the window in front

} // namespace

Ventana::Ventana(std::string_view id, std::string_view titulo, int anchoTwips, int altoTwips,
                 disposicion::Color fondo, bool principal, const Html& contenido, const Html& menus)
    : m_marco(val::undefined())
    , m_cliente(val::undefined())
    , m_focoPrevio(val::null()) {
    using disposicion::px;
    const std::string idTitulo = std::string(id) + "-titulo";
    const char* marco = principal ? "main" : "section";
    Html h;
    h.abrir(marco, {{"class", principal ? "ventana principal" : "ventana"},
                    {"id", id},
                    {"hidden", "hidden"},
                    {"aria-labelledby", idTitulo},
                    {"role", principal ? "" : "dialog"},
                    {"aria-modal", principal ? "" : "false"}});
    h.abrir("header", {{"class", "barra"}});
    h.vacio("img", {{"class", "icono"}, {"src", "iconos/auguron-16.png"}, {"role", "presentation"}});
    h.elemento(principal ? "h1" : "h2", {{"class", "titulo"}, {"id", idTitulo}}, titulo);
    h.elemento("button",
               {{"type", "button"}, {"class", "cerrar"}, {"aria-label", "Cerrar"}, {"title", "Cerrar"}}, "×");
    h.cerrar("header").agregar(menus);
    const std::string estilo = "--ancho:" + std::to_string(px(anchoTwips)) +
                               "px;--alto:" + std::to_string(px(altoTwips)) + "px;--fondo:" + colorCss(fondo);
    h.abrir("div", {{"class", "cliente"}, {"style", estilo}}).agregar(contenido).cerrar("div").cerrar(marco);
    h.poner(porId("escritorio"));
    m_marco = porId(id);
    m_cliente = m_marco.call<val>("querySelector", std::string(".cliente"));
    const val cerrarBoton = m_marco.call<val>("querySelector", std::string(".cerrar"));

    alPedirCierre = [this] { cerrar(); };
    escuchar(cerrarBoton, "click", [this](const val&) { alPedirCierre(); });
    if (!principal) {
        escuchar(m_marco, "keydown", [this](const val& e) {
            const std::string clave = e["key"].as<std::string>();
            if (clave == "Escape") {
                e.call<void>("preventDefault");
                alEscape ? alEscape() : alPedirCierre();
            } else if (e["altKey"].as<bool>() && !e["ctrlKey"].as<bool>() && clave.size() == 1) {
                // A button's access key: Alt+A, Alt+C.
                const char letra = static_cast<char>(std::toupper(static_cast<unsigned char>(clave[0])));
                val boton = m_marco.call<val>("querySelector",
                                              std::string("button[aria-keyshortcuts=\"Alt+") + letra + "\"]");
                if (!boton.isNull()) {
                    e.call<void>("preventDefault");
                    boton.call<void>("click");
                }
            }
        });
        escuchar(m_marco, "pointerdown", [this](const val& e) {
            m_marco["style"].set("zIndex", ++g_frente);
            arrastrar(e);
        });
        escuchar(m_marco, "pointermove", [this](const val& e) { mover(e); });
        escuchar(m_marco, "pointerup", [this](const val&) { m_arrastre.activo = false; });
    }
}

Ventana::~Ventana() {
    for (const int n : m_oyentes) {
        olvidar(n);
    }
    auto& v = abiertas();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    m_marco.call<void>("remove");
}

void Ventana::escuchar(const val& el, const char* tipo, std::function<void(const val&)> f) {
    m_oyentes.push_back(web::escuchar(el, tipo, std::move(f)));
}

void Ventana::mostrar() {
    if (!m_abierta) {
        m_focoPrevio = documento()["activeElement"];
        m_abierta = true;
        abiertas().push_back(this);
        m_marco.call<void>("removeAttribute", std::string("hidden"));
        porId("fin").set("hidden", true);
    }
    m_marco["style"].set("zIndex", ++g_frente);
}

void Ventana::cerrar() {
    if (!m_abierta) {
        return;
    }
    m_abierta = false;
    // The keyboard goes back where it was before the window opened, as when
    // a window closes on the desktop, not to nowhere.
    const bool teniaElFoco = m_marco.call<bool>("contains", documento()["activeElement"]);
    m_marco.set("hidden", true);
    if (teniaElFoco && !m_focoPrevio.isNull() && m_focoPrevio["isConnected"].as<bool>()) {
        m_focoPrevio.call<void>("focus");
    }
    auto& v = abiertas();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (alCerrar) {
        alCerrar();
    }
    if (v.empty()) {
        terminar();
    }
}

void Ventana::arrastrar(const val& e) {
    // Only by the title bar, and not from its close box.
    const val objetivo = e["target"];
    if (objetivo["classList"].call<bool>("contains", std::string("cerrar")) ||
        objetivo.call<val>("closest", std::string(".barra")).isNull()) {
        return;
    }
    const val caja = m_marco.call<val>("getBoundingClientRect");
    m_arrastre = {true, e["clientX"].as<double>() - caja["left"].as<double>(),
                  e["clientY"].as<double>() - caja["top"].as<double>()};
    m_marco["classList"].call<void>("add", std::string("movida"));
    m_marco.call<void>("setPointerCapture", e["pointerId"]);
    mover(e);
}

void Ventana::mover(const val& e) {
    if (!m_arrastre.activo) {
        return;
    }
    val estilo = m_marco["style"];
    estilo.set("left", std::to_string(static_cast<int>(e["clientX"].as<double>() - m_arrastre.dx)) + "px");
    estilo.set("top",
               std::to_string(static_cast<int>(std::max(0.0, e["clientY"].as<double>() - m_arrastre.dy))) +
                   "px");
}

void cerrarTodas() {
    // Copied: each window leaves the list as it closes.
    const std::vector<Ventana*> todas = abiertas();
    for (Ventana* v : todas) {
        v->cerrar();
    }
}

bool algunaAbierta() {
    return !abiertas().empty();
}

void terminar() {
    porId("fin").call<void>("removeAttribute", std::string("hidden"));
    porId("fin-volver").call<void>("focus");
}

} // namespace auguron::web
