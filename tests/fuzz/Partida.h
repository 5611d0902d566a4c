#pragma once

// One session being played: the events handed to the main window's logic, and
// what the session knows of the window to check the rules after each of them.

#include "Entrada.h"
#include "Sesion.h"

#include "answer/Velmo.h"
#include "util/Ansi.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace auguron::fuzz {

inline constexpr int kRetroceso = 8;
inline constexpr std::string_view kFraseCorta = "Velmo, favor de responder";

inline Entero mas1(Entero v) {
    return v == kMaximo ? v : static_cast<Entero>(v + 1);
}

inline bool esCapital(unsigned char c) {
    return ansi::mayuscula(c) == c;
}

inline std::string conMayuscula(std::string s) {
    if (!s.empty()) {
        s[0] = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(s[0])));
    }
    return s;
}

// The events of a session, as its trace names them.
enum class Ev : std::uint8_t {
    Peticion,
    Pregunta,
    Ignorado,
    Suspenso,
    Foco,
    Mensaje,
    Boton,
    Menu,
    Aceptar,
    Oracion,
    Imagen,
    Salir,
    SalirTodo,
};

inline constexpr std::array<const char*, 13> kNombreEv = {
    "key into txtPeticion",
    "key into txtPregunta",
    "character outside the code page",
    "tick of tmrSuspenso",
    "tick of tmrFocus",
    "tick of tmrMensaje",
    "cmdNuevaPregunta",
    "mnuNuevaPregunta (F2)",
    "statistics window: Aceptar",
    "mnuLeerOracion",
    "mnuVerImagen",
    "mnuSalir",
    "cmdSalir",
};

struct Paso {
    Ev ev;
    long valor;
};

class Partida {
public:
    explicit Partida(std::span<const std::uint8_t> datos)
        : m_d(datos)
        , m_p(m_d)
        , m_azar(m_d)
        , m_v(m_p, m_azar) {
        m_p.alMostrar = [this] { enCaja(); };
        for (std::size_t c = 0; c < m_controles.size(); ++c) {
            m_controles[c] = &m_p.controles[static_cast<Control>(c)];
        }
        for (std::size_t t = 0; t < m_temporizadores.size(); ++t) {
            m_temporizadores[t] = &m_p.temporizadores[static_cast<Temporizador>(t)];
        }
    }

    Cifras jugar();

private:
    void paso();
    void teclaPeticion(int k0);
    void teclaPregunta(int k0);
    void teclear(Control c, std::string_view s);
    void sostener(Control c, int k0, int veces);
    void caracter(char32_t u, Control c);
    void tick(Temporizador t);
    void nuevaPregunta(bool boton);
    void aceptarEstadisticas();
    void leerOracion();
    void verImagen();
    void salir(bool todo);
    void enCaja();
    std::string pregunta(std::uint8_t tipo);

    void comprobar();
    void comprobarEnvio(Entero truco, const std::string& antes, std::array<Entero, 4> cuentas,
                        Entero sinTruco, int estadisticas);
    void registrar(Ev ev, long valor);
    [[noreturn]] void falla(const std::string& que) const;
    std::string volcado() const;

    template <typename F> void llamar(F&& f) {
        try {
            f();
        } catch (const Violacion&) {
            throw;
        } catch (const std::exception& x) {
            falla(std::string("an exception escaped: ") + x.what());
        } catch (...) {
            falla("an exception of unknown type escaped");
        }
    }

    EstadoSesion& e() { return m_v.estado(); }
    // The scripted platform's records, reached without a map search: the
    // checks run after every key.
    EstadoControl& control(Control c) { return *m_controles[static_cast<std::size_t>(c)]; }
    std::string& caja(Control c) { return control(c).texto; }
    bool habilitado(Control c) { return control(c).habilitado; }
    int intervalo(Temporizador t) { return m_temporizadores[static_cast<std::size_t>(t)]->intervalo; }
    bool activo(Temporizador t) {
        const EstadoTemporizador& r = *m_temporizadores[static_cast<std::size_t>(t)];
        return r.habilitado && r.intervalo > 0;
    }

    Datos m_d;
    PlataformaSesion m_p;
    AzarDatos m_azar;
    Velmo m_v;
    Cifras m_c;
    std::array<EstadoControl*, 8> m_controles{};
    std::array<EstadoTemporizador*, 3> m_temporizadores{};

    // What the session knows of the window.
    bool m_abierta = false;
    bool m_contestada = false;   // an answer shown since the last new question
    bool m_almaCifrada = true;   // NombreAlma holds a stored label (else a shown one)
    bool m_dosPuntos = false;    // a colon typed into the petition since the last new question
    bool m_estadisticas = false; // the statistics window is open
    bool m_enCaja = false;
    // The petition box holds one character per key press (no colon, no
    // control code typed outside a capture, no saturated count since it was
    // last empty at position 1).
    bool m_petSync = true;
    // A capture opened in a box in step: the box shows the phrase from m_base
    // on and keeps m_prefijo before it.
    bool m_captura = false;
    Entero m_base = 0;
    std::string m_prefijo;
    bool m_pregSync = true;

    std::array<Entero, 9> m_crecientes{};
    Entero m_rango807 = 0;
    bool m_ya10006 = false;
    bool m_ya712 = false;
    // The last label and answer found good, so that an unchanged one is not
    // searched for again.
    std::string m_almaVista;
    bool m_almaVistaCifrada = false;
    std::string m_rotuloVisto;

    std::array<Paso, 40> m_traza{};
    long m_pasos = 0;
};

} // namespace auguron::fuzz
