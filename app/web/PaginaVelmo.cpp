#include "app/web/PaginaVelmo.h"

#include "answer/CapturaPeticion.h"
#include "platform/Disposicion.h"
#include "windows/web/VentanasWeb.h"

namespace auguron::web {

namespace d = disposicion;
namespace p = disposicion::principal;

PaginaVelmo::PaginaVelmo(PlataformaWeb& plataforma, Velmo& velmo)
    : m_plataforma(plataforma)
    , m_velmo(velmo)
    , m_ventana("frmVelmo", p::kTitulo, p::kAncho, p::kAlto, p::kFondo, true, controles(), menus())
    , m_cmdNuevaPregunta(val::undefined())
    , m_cmdSalir(val::undefined())
    , m_focoAntesDelMenu(val::undefined()) {
    asociarMenus();
    asociarControles();
    // The window's keys win over the boxes': they are looked at on the way down.
    escuchar(
        documento(), "keydown", [this](const val& e) { atajo(e); }, true);
    escuchar(documento(), "pointerdown", [this](const val& e) {
        if (m_menuAbierto >= 0 && e["target"].call<val>("closest", std::string(".menus")).isNull()) {
            cerrarMenu(false);
        }
    });
    escuchar(porId("fin-volver"), "click", [](const val&) { val::global("location").call<void>("reload"); });

    PlataformaWeb& pl = m_plataforma;
    pl.asociar(Temporizador::tmrFocus, [this] { m_velmo.tmrFocus_Timer(); });
    pl.asociar(Temporizador::tmrSuspenso, [this] { m_velmo.tmrSuspenso_Timer(); });
    pl.asociar(Temporizador::tmrMensaje, [this] { m_velmo.tmrMensaje_Timer(); });
    pl.asociarVentana(m_ventana);
    pl.alPedirEstadisticas = [this](const CuentasPreguntas& cuentas) {
        mostrarEstadisticas(cuentas, [this](bool conAceptar) {
            if (m_ventana.abierta()) {
                m_velmo.estadisticasCerradas(conAceptar);
            }
        });
    };
    pl.estadoInicial();
}

Html PaginaVelmo::controles() {
    Html h;
    // Each box follows its label in the page, so that the reading order is the
    // window's.
    etiqueta(h, p::lblPeticion, p::lblPeticion.nombre);
    Caja::html(h, p::txtPeticion, p::lblPeticion.nombre);
    etiqueta(h, p::lblPregunta, p::lblPregunta.nombre);
    // Behind the question box, where the load puts it; reached by the program,
    // not by Tab.
    const d::Control cmdFocus{
        p::cmdFocus.nombre,
        {p::txtPregunta.r.x, p::txtPregunta.r.y, p::cmdFocus.r.ancho, p::cmdFocus.r.alto}};
    h.elemento("button",
               {{"type", "button"},
                {"class", "boton control"},
                {"id", cmdFocus.nombre},
                {"style", lugar(cmdFocus.r)},
                {"tabindex", "-1"},
                {"aria-label", p::cmdFocus.ayuda}},
               "");
    Caja::html(h, p::txtPregunta, p::lblPregunta.nombre);
    etiqueta(h, p::lblRespuesta, p::lblRespuesta.nombre);
    boton(h, p::cmdNuevaPregunta, p::cmdNuevaPregunta.nombre);
    boton(h, p::cmdSalir, p::cmdSalir.nombre);
    etiqueta(h, p::lblInfo, p::lblInfo.nombre);
    // The logo is fetched the first time it shows.
    h.vacio("img", {{"class", "control logo"},
                    {"id", p::pctLogo.nombre},
                    {"data-src", "logo.jpg"},
                    {"alt", p::pctLogo.ayuda},
                    {"style", lugar(p::pctLogo.r)},
                    {"hidden", "hidden"}});
    return h;
}

void PaginaVelmo::asociarControles() {
    m_txtPeticion = std::make_unique<Caja>(p::txtPeticion);
    m_txtPregunta = std::make_unique<Caja>(p::txtPregunta);
    // A phone's Enter key asks the question.
    atributo(m_txtPregunta->entrada(), "enterkeyhint", "send");
    porId(p::lblRespuesta.nombre)["classList"].call<void>("add", std::string("respuesta"));
    m_cmdNuevaPregunta = porId(p::cmdNuevaPregunta.nombre);
    m_cmdSalir = porId(p::cmdSalir.nombre);

    PlataformaWeb& pl = m_plataforma;
    pl.asociar(Control::txtPeticion, *m_txtPeticion);
    pl.asociar(Control::txtPregunta, *m_txtPregunta);
    pl.asociar(Control::lblRespuesta, porId(p::lblRespuesta.nombre));
    pl.asociar(Control::lblInfo, porId(p::lblInfo.nombre));
    pl.asociar(Control::cmdFocus, porId(p::cmdFocus.nombre));
    pl.asociar(Control::cmdNuevaPregunta, m_cmdNuevaPregunta);
    pl.asociar(Control::pctLogo, porId(p::pctLogo.nombre));
    pl.asociar(Control::mnuVerImagen, porId("mnuVerImagen"));

    const auto abierto = [this] { return m_plataforma.mensajeAbierto(); };
    for (Caja* caja : {m_txtPeticion.get(), m_txtPregunta.get()}) {
        m_entradas.push_back(std::make_unique<Entrada>(
            *caja, [this, caja](std::vector<int> codigos) { teclear(*caja, std::move(codigos)); }, abierto));
    }
    escuchar(m_cmdNuevaPregunta, "click",
             [this](const val&) { encolar([this] { m_velmo.cmdNuevaPregunta_Click(); }); });
    escuchar(m_cmdSalir, "click", [this](const val&) { encolar([this] { m_velmo.cmdSalir_Click(); }); });
}

void PaginaVelmo::teclear(Caja& caja, std::vector<int> codigos) {
    encolar([this, &caja, codigos = std::move(codigos)] {
        // Keys only go into an enabled box. Once one of them has answered the
        // question (the box is then disabled), the rest must not submit it again.
        for (const int codigo : codigos) {
            if (!caja.habilitada()) {
                return;
            }
            int k = codigo;
            if (&caja == m_txtPeticion.get()) {
                m_velmo.txtPeticion_KeyPress(k);
            } else {
                m_velmo.txtPregunta_KeyPress(k, caja.texto(), m_txtPeticion->texto());
            }
            // Applied even if the handler has just disabled the box: the "?"
            // that submits a question is still shown.
            std::string texto = caja.texto();
            aplicarTecla(texto, k);
            if (&caja == m_txtPeticion.get() && texto.size() > p::kMaximoPeticion) {
                texto.resize(p::kMaximoPeticion);
            }
            caja.fijar(std::move(texto));
        }
    });
}

Html PaginaVelmo::menus() {
    Html h;
    h.abrir("nav", {{"class", "menus"}, {"role", "menubar"}, {"aria-label", "Menú"}});
    for (const p::Menu& m : p::kMenus) {
        const std::string lista = std::string(m.nombre) + "-lista";
        h.abrir("div", {{"class", "grupo"}, {"role", "none"}});
        h.abrir("button", {{"type", "button"},
                           {"class", "menu"},
                           {"id", m.nombre},
                           {"role", "menuitem"},
                           {"aria-haspopup", "menu"},
                           {"aria-expanded", "false"},
                           {"aria-keyshortcuts", atajoDeAcceso(m.texto)}});
        h.rotulo(m.texto).cerrar("button");
        h.abrir("div", {{"class", "desplegable"},
                        {"id", lista},
                        {"role", "menu"},
                        {"aria-labelledby", m.nombre},
                        {"hidden", "hidden"}});
        for (const p::Item& item : m.items) {
            if (item.nombre.empty()) {
                continue;
            }
            if (item.texto.empty()) {
                h.elemento("div", {{"class", "separador"}, {"role", "separator"}}, "");
                continue;
            }
            h.abrir("button", {{"type", "button"},
                               {"class", "opcion"},
                               {"id", item.nombre},
                               {"role", "menuitem"},
                               {"tabindex", "-1"},
                               {"aria-keyshortcuts", item.atajo == "Ctrl+X" ? "Control+X" : item.atajo}});
            h.elemento("span", {{"class", "rotulo"}}, item.texto)
                .elemento("span", {{"class", "atajo"}}, item.atajo);
            h.cerrar("button");
        }
        h.cerrar("div").cerrar("div");
    }
    h.cerrar("nav");
    return h;
}

void PaginaVelmo::asociarMenus() {
    for (std::size_t i = 0; i < p::kMenus.size(); ++i) {
        const p::Menu& m = p::kMenus[i];
        const val boton = porId(m.nombre);
        const val lista = porId(std::string(m.nombre) + "-lista");
        for (const p::Item& item : m.items) {
            if (!item.nombre.empty() && !item.texto.empty()) {
                const std::string nombre(item.nombre);
                escuchar(porId(nombre), "click", [this, nombre](const val&) {
                    cerrarMenu(true);
                    ejecutar(nombre);
                });
            }
        }
        escuchar(boton, "click", [this, i](const val& e) {
            m_menuAbierto == static_cast<int>(i) ? cerrarMenu(true)
                                                 : abrirMenu(i, e["detail"].as<int>() == 0);
        });
        escuchar(lista, "keydown", [this](const val& e) { moverEnMenu(e); });
        m_menus.push_back(boton);
        m_desplegables.push_back(lista);
    }
}

void PaginaVelmo::abrirMenu(std::size_t menu, bool conTeclado) {
    if (m_menuAbierto < 0) {
        m_focoAntesDelMenu = documento()["activeElement"];
    }
    cerrarMenu(false);
    m_menuAbierto = static_cast<int>(menu);
    m_desplegables[menu].call<void>("removeAttribute", std::string("hidden"));
    atributo(m_menus[menu], "aria-expanded", "true");
    if (conTeclado) {
        m_desplegables[menu].call<val>("querySelector", std::string(".opcion")).call<void>("focus");
    }
}

void PaginaVelmo::cerrarMenu(bool devolverFoco) {
    if (m_menuAbierto < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(m_menuAbierto);
    m_menuAbierto = -1;
    m_desplegables[i].set("hidden", true);
    atributo(m_menus[i], "aria-expanded", "false");
    if (devolverFoco && !m_focoAntesDelMenu.isUndefined() && !m_focoAntesDelMenu.isNull()) {
        m_focoAntesDelMenu.call<void>("focus");
    }
}

void PaginaVelmo::moverEnMenu(const val& e) {
    const std::string clave = e["key"].as<std::string>();
    if (m_menuAbierto < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(m_menuAbierto);
    if (clave == "Escape") {
        cerrarMenu(true);
    } else if (clave == "ArrowLeft" || clave == "ArrowRight") {
        abrirMenu((i + 1) % m_menus.size(), true); // two menus: either way is the other
    } else if (clave == "ArrowDown" || clave == "ArrowUp" || clave == "Home" || clave == "End") {
        const val opciones = m_desplegables[i].call<val>("querySelectorAll", std::string(".opcion"));
        const int n = opciones["length"].as<int>();
        int actual = 0;
        for (int k = 0; k < n; ++k) {
            if (opciones[k].strictlyEquals(documento()["activeElement"])) {
                actual = k;
            }
        }
        const int siguiente = clave == "Home"        ? 0
                              : clave == "End"       ? n - 1
                              : clave == "ArrowDown" ? (actual + 1) % n
                                                     : (actual + n - 1) % n;
        opciones[siguiente].call<void>("focus");
    } else if (clave != "Tab") {
        return;
    } else {
        cerrarMenu(true);
    }
    e.call<void>("preventDefault");
}

void PaginaVelmo::ejecutar(std::string_view item) {
    Velmo& v = m_velmo;
    if (item == "mnuNuevaPregunta") {
        encolar([&v] { v.mnuNuevaPregunta_Click(); });
    } else if (item == "mnuLeerOracion") {
        encolar([&v] { v.mnuLeerOracion_Click(); });
    } else if (item == "mnuVerImagen") {
        encolar([&v] { v.mnuVerImagen_Click(); });
    } else if (item == "mnuSalir") {
        encolar([&v] { v.mnuSalir_Click(); });
    } else if (item == "mnuTemas") {
        mostrarTemas();
    } else if (item == "mnuAcerca") {
        mostrarAcerca();
    }
}

void PaginaVelmo::atajo(const val& e) {
    // Not while a message box holds the keys, nor from another window, nor
    // once the main window is closed.
    if (m_plataforma.mensajeAbierto() || !m_ventana.abierta() ||
        !e["target"].call<val>("closest", std::string("section.ventana")).isNull()) {
        return;
    }
    const std::string clave = e["key"].as<std::string>();
    const bool ctrl = e["ctrlKey"].as<bool>();
    const bool alt = e["altKey"].as<bool>();
    std::string item;
    for (const p::Menu& m : p::kMenus) {
        for (const p::Item& i : m.items) {
            const bool esCtrl = i.atajo.rfind("Ctrl+", 0) == 0;
            const std::string_view tecla = esCtrl ? i.atajo.substr(5) : i.atajo;
            if (!tecla.empty() && !alt && ctrl == esCtrl &&
                (clave == tecla || (esCtrl && clave.size() == 1 && std::toupper(clave[0]) == tecla[0]))) {
                item = i.nombre;
            }
        }
    }
    const char acceso = alt && !ctrl && clave.size() == 1 ? static_cast<char>(std::toupper(clave[0])) : 0;
    if (!item.empty()) {
        cerrarMenu(false);
        ejecutar(item);
    } else if (clave == "F10" && !alt && !ctrl) {
        m_menuAbierto >= 0 ? cerrarMenu(true) : abrirMenu(0, true);
    } else if (acceso != 0 &&
               (acceso == teclaDeAcceso(p::kMenus[0].texto) || acceso == teclaDeAcceso(p::kMenus[1].texto))) {
        abrirMenu(acceso == teclaDeAcceso(p::kMenus[0].texto) ? 0 : 1, true);
    } else if (acceso != 0 && (acceso == teclaDeAcceso(p::cmdNuevaPregunta.texto) ||
                               acceso == teclaDeAcceso(p::cmdSalir.texto))) {
        val boton = acceso == teclaDeAcceso(p::cmdSalir.texto) ? m_cmdSalir : m_cmdNuevaPregunta;
        if (!boton["disabled"].as<bool>()) {
            boton.call<void>("click");
        }
    } else {
        return;
    }
    e.call<void>("preventDefault");
    e.call<void>("stopPropagation");
}

void PaginaVelmo::encajar() {
    for (const d::Etiqueta* e : {&p::lblPeticion, &p::lblPregunta}) {
        const val el = porId(e->nombre);
        estrechar(el, estrechamiento(el));
    }
    const val info = porId(p::lblInfo.nombre);
    estrechar(info,
              estrechamiento(info, {utf8(textos::kBuscandoVagulantes), utf8(textos::kConectandoVagulantes)}));
    // The whole long petition must show in its box.
    m_txtPeticion->encajar(utf8(textos::kFrasePeticion) + ':');
}

void PaginaVelmo::mostrar() {
    m_ventana.mostrar();
    encajar();
    m_txtPeticion->enfocar();
}

} // namespace auguron::web
