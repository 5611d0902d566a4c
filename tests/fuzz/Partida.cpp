#include "Partida.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace auguron::fuzz {

Cifras& Cifras::operator+=(const Cifras& o) {
    sesiones += o.sesiones;
    eventos += o.eventos;
    teclas += o.teclas;
    ignoradas += o.ignoradas;
    preguntas += o.preguntas;
    ocultas += o.ocultas;
    suspensos += o.suspensos;
    estadisticas += o.estadisticas;
    ticks += o.ticks;
    cajas += o.cajas;
    reinicios += o.reinicios;
    cierres += o.cierres;
    return *this;
}

Cifras Partida::jugar() {
    m_c.sesiones = 1;
    bool cargada = false;
    llamar([&] { cargada = m_v.Form_Load(); });
    if (!cargada) {
        ++m_c.cierres;
        return m_c;
    }
    m_abierta = true;
    comprobar();
    while (m_abierta && m_d.quedan()) {
        paso();
    }
    if (!m_abierta) {
        ++m_c.cierres;
    }
    return m_c;
}

// One event from the front of the data: the top five bits of its byte choose
// what happens, the low three vary it; the bytes after it are its arguments.
void Partida::paso() {
    const std::uint8_t op = m_d.evento();
    switch (op >> 3) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        teclaPeticion(m_d.evento());
        break;
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
        teclaPregunta(m_d.evento());
        break;
    case 12: {
        // Any character of the Basic Multilingual Plane, or beyond it.
        char32_t u = (static_cast<char32_t>(m_d.evento()) << 8) | m_d.evento();
        if (op & 2) {
            u |= static_cast<char32_t>(m_d.evento() % 17) << 16;
        }
        caracter(u, (op & 1) ? Control::txtPeticion : Control::txtPregunta);
        break;
    }
    case 13:
        teclear(Control::txtPeticion, peticiones()[m_d.evento() % peticiones().size()]);
        break;
    case 14:
        teclear(Control::txtPregunta, pregunta(m_d.evento()));
        break;
    case 15:
        teclaPregunta('?');
        break;
    case 16:
        teclaPeticion(':');
        break;
    case 17:
        teclaPeticion('.');
        break;
    case 18:
        // Backspace a few times, often back to the start of the box.
        sostener((op & 1) ? Control::txtPeticion : Control::txtPregunta, kRetroceso, 1 + m_d.evento() % 48);
        break;
    case 19: {
        // A key held down: mostly briefly, now and then for a thousand repeats.
        const int k = m_d.evento();
        const int veces = 1 + (op >= 158 ? m_d.evento() * 4 : m_d.evento() % 32);
        sostener((op & 1) ? Control::txtPeticion : Control::txtPregunta, k, veces);
        break;
    }
    case 20:
    case 21:
        for (int n = 1 + m_d.evento() % 64; n > 0; --n) {
            tick(Temporizador::tmrSuspenso);
        }
        break;
    case 22:
        tick(Temporizador::tmrFocus);
        break;
    case 23:
        tick(Temporizador::tmrMensaje);
        break;
    case 24:
        nuevaPregunta(true);
        break;
    case 25:
        nuevaPregunta(false);
        break;
    case 26:
        aceptarEstadisticas();
        break;
    case 27:
        leerOracion();
        break;
    case 28:
        verImagen();
        break;
    case 29:
        m_p.segundos = std::fmod(m_p.segundos + m_d.evento() * 337.0, 86400.0);
        m_p.dia += std::chrono::days{m_d.evento() % 9};
        break;
    case 30: {
        // A whole question: new question, petition, question and "?".
        nuevaPregunta(false);
        if (m_abierta) {
            teclear(Control::txtPeticion, peticiones()[m_d.evento() % peticiones().size()]);
            teclear(Control::txtPregunta, pregunta(m_d.evento() | 0x80));
        }
        break;
    }
    default:
        if (op == 255) {
            salir(false);
        } else if (op == 254) {
            salir(true);
        } else {
            // A capture typed blind: a full stop, then keys.
            teclaPeticion('.');
            for (int n = m_d.evento() % 64; n > 0 && m_abierta; --n) {
                teclaPeticion(m_d.evento());
            }
        }
        break;
    }
}

std::string Partida::pregunta(std::uint8_t tipo) {
    const Vocabulario& v = vocabulario();
    // A keyword of group g (1-based, as in the topic codes) of family f.
    auto clave = [&](std::size_t f, std::size_t g) {
        const auto& claves = v.familias[f][g - 1];
        return claves[m_d.evento() % claves.size()];
    };
    std::string q = "\xBF";
    switch (tipo % 8) {
    case 0:
    case 1:
        q += v.puntuales[m_d.evento() % v.puntuales.size()] + " de verdad";
        break;
    case 2:
    case 3:
        // One keyword of each family, any of them left out: the whole table.
        for (std::size_t f = 3; f-- > 0;) {
            const std::uint8_t g = m_d.evento();
            const std::size_t n = v.familias[f].size();
            if (g % (n + 1) != n) {
                q += clave(f, g % n + 1) + " ";
            }
        }
        q += "mi vida";
        break;
    case 4:
        q += v.suspenso[m_d.evento() % v.suspenso.size()] + " de todo esto";
        break;
    case 5:
        q += clave(1, 8) + " " + clave(0, 7);
        break; // 807, a suspense now and then
    case 6:
        q += clave(1, 4) + " " + clave(0, 4);
        break; // 404, the offer dialogs
    default:
        if (tipo & 8) {
            q = preguntasRaras()[m_d.evento() % preguntasRaras().size()];
        } else {
            q.clear();
            for (int n = m_d.evento() % 48; n > 0; --n) {
                q += static_cast<char>(m_d.evento());
            }
        }
        break;
    }
    if (tipo & 0x40) {
        q = v.dePregunta[m_d.evento() % v.dePregunta.size()] + " " + q;
    }
    if (tipo & 0x80) {
        q += '?';
    }
    return q;
}

void Partida::teclear(Control c, std::string_view s) {
    for (const char t : s) {
        if (!m_abierta) {
            return;
        }
        const int k = static_cast<unsigned char>(t);
        c == Control::txtPeticion ? teclaPeticion(k) : teclaPregunta(k);
    }
}

void Partida::sostener(Control c, int k0, int veces) {
    for (; veces > 0 && m_abierta; --veces) {
        c == Control::txtPeticion ? teclaPeticion(k0) : teclaPregunta(k0);
    }
}

void Partida::caracter(char32_t u, Control c) {
    // What the real box does with a typed character: only the code page's
    // characters reach the key handler, as their code.
    const int k = ansi::deUnicode(u);
    if (k < 0) {
        registrar(Ev::Ignorado, static_cast<long>(u));
        ++m_c.ignoradas;
        return;
    }
    if (ansi::aUnicode(static_cast<unsigned char>(k)) != u) {
        falla("the code page maps U+" + std::to_string(u) + " to " + std::to_string(k) +
              " and back elsewhere");
    }
    c == Control::txtPeticion ? teclaPeticion(k) : teclaPregunta(k);
}

void Partida::teclaPeticion(int k0) {
    if (!habilitado(Control::txtPeticion)) {
        return; // a disabled box gets no keys
    }
    EstadoSesion& s = e();
    const Entero pos = s.PosPeticion;
    const Entero truco = s.EstadoTruco;
    const std::string respuesta = s.Respuesta;
    const bool pregunta = habilitado(Control::txtPregunta);
    const int vista = pos == 1 ? ansi::mayuscula(k0) : k0;
    const bool abre = truco == 0 && vista == '.' && m_petSync;
    const std::string antes = abre ? caja(Control::txtPeticion) : std::string();

    registrar(Ev::Peticion, k0);
    ++m_c.teclas;
    int k = k0;
    llamar([&] { m_v.txtPeticion_KeyPress(k); });
    aplicarTecla(caja(Control::txtPeticion), k);

    // The box gets the key as typed, a Backspace that erases, or the phrase character.
    const bool frase = pos >= 1 && pos <= 39 && k == static_cast<unsigned char>(kFrasePeticion[pos - 1]);
    if (k != vista && k != kRetroceso && !frase) {
        falla("the petition handler turned key " + std::to_string(k0) + " into " + std::to_string(k));
    }
    if (vista == ':') {
        if (k != ':' || s.PosPeticion != pos || s.EstadoTruco != truco || s.Respuesta != respuesta) {
            falla("a colon changed the capture");
        }
        if (!habilitado(Control::txtPregunta) || m_p.foco != Control::txtPregunta ||
            !control(Control::txtPregunta).fondoSistema) {
            falla("a colon did not open the question box");
        }
        m_dosPuntos = true;
    } else if (habilitado(Control::txtPregunta) != pregunta) {
        falla("a key other than the colon changed the question box");
    }

    // Respuesta grows only by the key typed (never a full stop or a colon),
    // loses its last character only to Backspace, and is emptied only when the
    // petition is back at its start.
    const std::string& r = s.Respuesta;
    if (r != respuesta) {
        const bool crece =
            vista != kRetroceso && vista != '.' && vista != ':' && r.size() == respuesta.size() + 1 &&
            r.compare(0, respuesta.size(), respuesta) == 0 && r.back() == static_cast<char>(vista);
        const bool mengua =
            vista == kRetroceso && r.size() + 1 == respuesta.size() && respuesta.compare(0, r.size(), r) == 0;
        const bool vacia = vista == kRetroceso && r.empty() && s.PosPeticion == 1;
        if (!crece && !mengua && !vacia) {
            falla("Respuesta changed other than by the key typed");
        }
    }

    // The count of key presses and the box go apart on a colon, on a control
    // code shown as typed, and on a count stuck at its limit.
    const bool control = vista != kRetroceso && (vista < 32 || vista == 127);
    if (vista == ':' || pos >= kMaximo - 1 || (control && truco != 1)) {
        m_petSync = false;
    }
    if (caja(Control::txtPeticion).empty() && s.PosPeticion == 1) {
        m_petSync = true;
    }
    if (abre && s.EstadoTruco == 1) {
        m_captura = true;
        m_prefijo = antes;
        m_base = static_cast<Entero>(pos - 1);
    }
    if (s.EstadoTruco != 1 || !m_petSync) {
        m_captura = false;
    }
    if (m_captura) {
        m_base = std::min<Entero>(m_base, static_cast<Entero>(s.PosPeticion - 1));
    }
    comprobar();
}

void Partida::teclaPregunta(int k0) {
    if (!habilitado(Control::txtPregunta)) {
        return;
    }
    EstadoSesion& s = e();
    const Entero largo = s.LargoPregunta;
    const Entero truco = s.EstadoTruco;
    const std::string respuesta = s.Respuesta;
    const std::array<Entero, 4> cuentas = {s.CantPregTruco, s.CantPregFrecuentes, s.CantPregNoValidas,
                                           s.CantOtrasPreguntas};
    const Entero sinTruco = s.PreguntasSinTruco;
    const int estadisticas = m_p.estadisticasMostradas;

    registrar(Ev::Pregunta, k0);
    ++m_c.teclas;
    int k = k0;
    llamar([&] { m_v.txtPregunta_KeyPress(k); });
    aplicarTecla(caja(Control::txtPregunta), k);

    const Entero esperado =
        k0 == kRetroceso ? std::max<Entero>(0, static_cast<Entero>(largo - 1)) : mas1(largo);
    if (s.LargoPregunta != esperado) {
        falla("LargoPregunta went from " + std::to_string(largo) + " to " + std::to_string(s.LargoPregunta));
    }
    // The only change the question handler makes to a key is the capital of
    // the first one.
    const int vista = s.LargoPregunta == 1 ? ansi::mayuscula(k0) : k0;
    if (k != vista) {
        falla("the question handler turned key " + std::to_string(k0) + " into " + std::to_string(k));
    }
    if ((vista != kRetroceso && (vista < 32 || vista == 127)) || largo >= kMaximo - 1) {
        m_pregSync = false;
    }
    if (vista == '?') {
        comprobarEnvio(truco, respuesta, cuentas, sinTruco, estadisticas);
    } else if (s.Respuesta != respuesta || s.EstadoTruco != truco) {
        falla("a key of the question changed the capture");
    }
    comprobar();
}

void Partida::tick(Temporizador t) {
    if (!activo(t)) {
        return;
    }
    EstadoSesion& s = e();
    ++m_c.ticks;
    switch (t) {
    case Temporizador::tmrSuspenso: {
        registrar(Ev::Suspenso, s.PasoSuspenso);
        const Entero paso = s.PasoSuspenso;
        const std::string respuesta = s.Respuesta;
        const std::string rotulo = caja(Control::lblRespuesta);
        const Entero frecuentes = s.CantPregFrecuentes;
        const bool vacia = caja(Control::txtPeticion).empty();
        llamar([&] { m_v.tmrSuspenso_Timer(); });
        const std::string& ahora = caja(Control::lblRespuesta);
        if (vacia) {
            if (s.PasoSuspenso != paso || ahora != rotulo || s.Respuesta != respuesta) {
                falla("a suspense tick with an empty petition changed something");
            }
            break;
        }
        if (s.PasoSuspenso != mas1(paso)) {
            falla("a suspense tick did not count");
        }
        if (paso < 40) {
            if (s.Respuesta != respuesta + "." || ahora != s.NombreAlma + s.Respuesta ||
                !rotulosPlanos().contains(s.NombreAlma)) {
                falla("a suspense tick did not add one dot behind the shown answer");
            }
        } else if (paso < 42) {
            if (!s.Respuesta.empty() || ahora != s.NombreAlma || !rotulosPlanos().contains(s.NombreAlma)) {
                falla("a suspense tick did not show the label alone");
            }
        } else {
            ++m_c.suspensos;
            m_almaCifrada = true;
            const std::string_view rotuloFinal = rotuloAlFrente(ahora);
            if (intervalo(Temporizador::tmrSuspenso) != 0 || !rotulosCifrados().contains(s.NombreAlma) ||
                ahora != fncDecodificar(s.NombreAlma) + fncDecodificar(s.Respuesta) || rotuloFinal.empty() ||
                !pareceTextoPlano(ahora.substr(rotuloFinal.size())) ||
                s.CantPregFrecuentes != mas1(frecuentes)) {
                falla("the suspense did not end with its final reply, deciphered once");
            }
        }
        break;
    }
    case Temporizador::tmrFocus:
        registrar(Ev::Foco, 0);
        llamar([&] { m_v.tmrFocus_Timer(); });
        if (activo(Temporizador::tmrFocus) || m_p.temporizadorHabilitado(Temporizador::tmrFocus)) {
            falla("tmrFocus ticked more than once");
        }
        if (habilitado(Control::cmdNuevaPregunta) && m_p.foco != Control::cmdNuevaPregunta) {
            falla("tmrFocus did not move the focus to cmdNuevaPregunta");
        }
        break;
    case Temporizador::tmrMensaje: {
        registrar(Ev::Mensaje, s.PasoMensaje);
        llamar([&] { m_v.tmrMensaje_Timer(); });
        const std::string& info = caja(Control::lblInfo);
        if (s.PasoMensaje >= 1 && s.PasoMensaje <= 3 &&
            info != std::array<std::string_view, 3>{"Buscando Vagulantes...", "Conectando Vagulantes...",
                                                    ""}[static_cast<std::size_t>(s.PasoMensaje - 1)]) {
            falla("the status line does not show the message of its step");
        }
        break;
    }
    }
}

void Partida::nuevaPregunta(bool boton) {
    if (boton && !habilitado(Control::cmdNuevaPregunta)) {
        return;
    }
    registrar(boton ? Ev::Boton : Ev::Menu, 0);
    ++m_c.reinicios;
    const std::array<Entero, 4> cuentas = {e().CantPregTruco, e().CantPregFrecuentes, e().CantPregNoValidas,
                                           e().CantOtrasPreguntas};
    const long cajas = m_p.mostradas;
    llamar([&] { m_v.fncInicializar(); });
    const EstadoSesion& s = e();
    // A status tick may come while the spirit's question is open.
    const bool conCaja = m_p.mostradas != cajas;
    if (cuentas != std::array<Entero, 4>{s.CantPregTruco, s.CantPregFrecuentes, s.CantPregNoValidas,
                                         s.CantOtrasPreguntas}) {
        falla("a new question changed the counters");
    }
    if (!s.Respuesta.empty() || s.PosPeticion != 1 || s.LargoPregunta != 0 || s.EstadoTruco != 0 ||
        s.EnRetroceso || s.MaxConsonantes != 0 || s.SuspensoActivo) {
        falla("a new question did not reset the petition and the question");
    }
    if (!caja(Control::txtPeticion).empty() || !caja(Control::txtPregunta).empty() ||
        !caja(Control::lblRespuesta).empty() || (!conCaja && !caja(Control::lblInfo).empty()) ||
        activo(Temporizador::tmrSuspenso) || !habilitado(Control::txtPeticion) ||
        habilitado(Control::txtPregunta) || control(Control::txtPregunta).fondoSistema) {
        falla("a new question did not clear the window");
    }
    if (m_p.principalCerrada) {
        // The spirit was told No: nothing may reach the main window any more.
        m_abierta = false;
        return;
    }
    if (m_p.foco != Control::txtPeticion) {
        falla("a new question did not put the focus in the petition box");
    }
    m_contestada = false;
    m_almaCifrada = true;
    m_dosPuntos = false;
    m_petSync = true;
    m_pregSync = true;
    m_captura = false;
    comprobar();
}

void Partida::aceptarEstadisticas() {
    if (!m_estadisticas) {
        return;
    }
    // What the statistics window's Aceptar does to the main window.
    registrar(Ev::Aceptar, 0);
    llamar([&] {
        m_p.habilitar(Control::cmdNuevaPregunta, true);
        m_p.enfocar(Control::cmdNuevaPregunta);
    });
    m_estadisticas = false;
    comprobar();
}

void Partida::leerOracion() {
    registrar(Ev::Oracion, 0);
    llamar([&] { m_v.mnuLeerOracion_Click(); });
    comprobar();
}

void Partida::verImagen() {
    registrar(Ev::Imagen, 0);
    llamar([&] { m_v.mnuVerImagen_Click(); });
    const bool visible = m_p.visible(Control::pctLogo);
    if (caja(Control::mnuVerImagen) != (visible ? "Ocultar Imagen" : "Ver Imagen")) {
        falla("the picture menu item does not match the picture");
    }
    comprobar();
}

void Partida::salir(bool todo) {
    registrar(todo ? Ev::SalirTodo : Ev::Salir, 0);
    llamar([&] { todo ? m_v.cmdSalir_Click() : m_v.mnuSalir_Click(); });
    if (!m_p.principalCerrada) {
        falla("leaving did not close the main window");
    }
    m_abierta = false;
}

// While a message box is open the user reads it: time passes and the timers
// still tick.
void Partida::enCaja() {
    ++m_c.cajas;
    if (m_enCaja) {
        return;
    }
    bool hay = false;
    const std::uint8_t b = m_d.azar(hay);
    if (!hay) {
        return;
    }
    m_enCaja = true;
    m_p.segundos = std::fmod(m_p.segundos + (b & 31), 86400.0);
    switch (b >> 5) {
    case 1:
        tick(Temporizador::tmrMensaje);
        break;
    case 2:
        tick(Temporizador::tmrFocus);
        break;
    case 3:
        tick(Temporizador::tmrSuspenso);
        break;
    default:
        break;
    }
    m_enCaja = false;
}

void Partida::registrar(Ev ev, long valor) {
    // AUGURON_TRAZA=1 prints every event, to follow a failing session.
    static const bool traza = std::getenv("AUGURON_TRAZA") != nullptr;
    if (traza) {
        const EstadoSesion& s = m_v.estado();
        std::fprintf(stderr, "%ld %s %ld  (PosPeticion %d, EstadoTruco %d, EnRetroceso %d, Respuesta %zu)\n",
                     m_pasos, kNombreEv[static_cast<std::size_t>(ev)], valor, s.PosPeticion, s.EstadoTruco,
                     s.EnRetroceso ? 1 : 0, s.Respuesta.size());
    }
    m_traza[static_cast<std::size_t>(m_pasos) % m_traza.size()] = {ev, valor};
    ++m_pasos;
    ++m_c.eventos;
}

Cifras jugarSesion(std::span<const std::uint8_t> datos) {
    Partida p(datos);
    return p.jugar();
}

} // namespace auguron::fuzz
