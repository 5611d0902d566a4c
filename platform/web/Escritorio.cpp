#include "platform/web/Escritorio.h"

#include <algorithm>
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
                 disposicion::Color fondo, bool principal)
    : m_marco(val::undefined())
    , m_cliente(val::undefined()) {
    using disposicion::px;
    m_marco = crear(porId("escritorio"), principal ? "main" : "section",
                    principal ? "ventana principal" : "ventana");
    atributo(m_marco, "id", id);
    atributo(m_marco, "hidden", "");
    const std::string idTitulo = std::string(id) + "-titulo";
    atributo(m_marco, "aria-labelledby", idTitulo);
    if (!principal) {
        atributo(m_marco, "role", "dialog");
        atributo(m_marco, "aria-modal", "false");
    }

    val barra = crear(m_marco, "header", "barra");
    val icono = crear(barra, "img", "icono");
    atributo(icono, "src", "iconos/auguron-16.png");
    atributo(icono, "alt", "");
    val rotulo = crear(barra, principal ? "h1" : "h2", "titulo");
    atributo(rotulo, "id", idTitulo);
    texto(rotulo, titulo);
    val cerrarBoton = crear(barra, "button", "cerrar");
    atributo(cerrarBoton, "type", "button");
    atributo(cerrarBoton, "aria-label", "Cerrar");
    atributo(cerrarBoton, "title", "Cerrar");
    texto(cerrarBoton, "×");

    m_cliente = crear(m_marco, "div", "cliente");
    m_cliente["style"].call<void>("setProperty", std::string("--ancho"),
                                  std::to_string(px(anchoTwips)) + "px");
    m_cliente["style"].call<void>("setProperty", std::string("--alto"), std::to_string(px(altoTwips)) + "px");
    m_cliente["style"].call<void>("setProperty", std::string("--fondo"), colorCss(fondo));

    alPedirCierre = [this] { cerrar(); };
    escuchar(cerrarBoton, "click", [this](const val&) { alPedirCierre(); });
    if (!principal) {
        escuchar(m_marco, "keydown", [this](const val& e) {
            if (e["key"].as<std::string>() == "Escape") {
                e.call<void>("preventDefault");
                alEscape ? alEscape() : alPedirCierre();
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
    m_marco.set("hidden", true);
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
    estilo.set("left", std::to_string(e["clientX"].as<double>() - m_arrastre.dx) + "px");
    estilo.set("top", std::to_string(std::max(0.0, e["clientY"].as<double>() - m_arrastre.dy)) + "px");
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
