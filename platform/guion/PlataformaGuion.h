#pragma once

// A scripted stand-in for the platform, for tests without a display: message
// boxes are answered from a queue and recorded, the clock is whatever the test
// sets, timers only record their state (the test ticks them by calling the
// handler), controls are plain records.

#include "platform/Plataforma.h"
#include "util/Aleatorio.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace auguron {

struct CajaMostrada {
    std::string texto;
    std::string titulo;
    Botones botones;
    Boton respuesta;
};

struct EstadoControl {
    std::string texto;
    bool habilitado = true;
    bool visible = true;
    bool fondoSistema = true;
};

struct EstadoTemporizador {
    int intervalo = 0;
    bool habilitado = true;
};

class PlataformaGuion : public Plataforma {
public:
    PlataformaGuion();

    // Scripting.
    std::deque<Boton> respuestas;    // answers for the next message boxes
    std::vector<CajaMostrada> cajas; // every box shown, in order
    std::map<Control, EstadoControl> controles;
    std::map<Temporizador, EstadoTemporizador> temporizadores;
    double segundos = 12 * 3600.0; // time of day
    std::chrono::sys_days dia = std::chrono::sys_days{std::chrono::year{2026} / 12 / 6};
    Control foco = Control::txtPeticion;
    bool principalCerrada = false;
    int estadisticasMostradas = 0;
    std::function<void()> alMostrar; // runs while a message box is open
    // With no scripted answer left, take a box's first (default) button, as
    // Enter would, instead of failing.
    bool primerBotonPorDefecto = false;

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override;
    std::string texto(Control c) const override { return controles.at(c).texto; }
    void fijarTexto(Control c, std::string_view t) override { controles[c].texto = t; }
    bool habilitado(Control c) const override { return controles.at(c).habilitado; }
    void habilitar(Control c, bool si) override { controles[c].habilitado = si; }
    bool visible(Control c) const override { return controles.at(c).visible; }
    void mostrar(Control c, bool si) override { controles[c].visible = si; }
    void enfocar(Control c) override;
    void fondoSistema(Control c, bool sistema) override { controles[c].fondoSistema = sistema; }
    int intervalo(Temporizador t) const override { return temporizadores.at(t).intervalo; }
    void fijarIntervalo(Temporizador t, int ms) override { temporizadores[t].intervalo = ms; }
    bool temporizadorHabilitado(Temporizador t) const override { return temporizadores.at(t).habilitado; }
    void habilitarTemporizador(Temporizador t, bool si) override { temporizadores[t].habilitado = si; }
    void cerrarVentanaPrincipal() override { principalCerrada = true; }
    void cerrarTodas() override { principalCerrada = true; }
    void mostrarEstadisticas() override { ++estadisticasMostradas; }
    double segundosDelDia() const override { return segundos; }
    std::chrono::sys_days hoy() const override { return dia; }
    std::string fechaLarga(std::chrono::sys_days d) const override;

    // Whether a timer would tick now.
    bool activo(Temporizador t) const {
        return temporizadores.at(t).habilitado && temporizadores.at(t).intervalo > 0;
    }
};

// Draws from a script: "the next draws are 1, 31, 5". Each draw checks the
// bound it was asked for when one is given; running out of draws is an error.
class AzarGuion : public FuenteAleatoria {
public:
    struct Tirada {
        int valor;
        int intervalo = 0; // 0: any bound
    };
    std::deque<Tirada> tiradas;
    std::vector<int> pedidos; // every Intervalo asked for, in order

    void poner(std::initializer_list<int> valores) {
        for (int v : valores) {
            tiradas.push_back({v, 0});
        }
    }
    Entero fncNroAleatorio(int Intervalo) override;
};

} // namespace auguron
