#pragma once

// A scripted stand-in for the platform, for tests without a display: message
// boxes are answered from a queue and recorded, the clock is whatever the test
// sets, timers only record their period (the test ticks them by calling the
// handler), controls are plain records that the tests read.

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
    bool operator==(const CajaMostrada&) const = default;
};

struct EstadoControl {
    std::string texto;
    bool habilitado = true;
    bool visible = true;
    bool fondoSistema = true;
    bool operator==(const EstadoControl&) const = default;
};

class PlataformaGuion : public Plataforma {
public:
    PlataformaGuion();

    // Scripting.
    std::deque<Boton> respuestas;    // answers for the next message boxes
    std::vector<CajaMostrada> cajas; // every box shown, in order
    std::map<Control, EstadoControl> controles;
    std::map<Temporizador, int> temporizadores; // the running period in ms, 0 when stopped
    double segundos = 12 * 3600.0;              // time of day
    std::chrono::sys_days dia = std::chrono::sys_days{std::chrono::year{2026} / 12 / 6};
    Control foco = Control::txtPeticion;
    bool principalCerrada = false;
    std::vector<CuentasPreguntas> estadisticas; // the counts of every statistics window shown
    std::function<void()> alMostrar;            // runs while a message box is open
    // With no scripted answer left, take a box's first (default) button, as
    // Enter would, instead of failing.
    bool primerBotonPorDefecto = false;

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override;
    void fijarTexto(Control c, std::string_view t) override { controles[c].texto = t; }
    void habilitar(Control c, bool si) override { controles[c].habilitado = si; }
    void mostrar(Control c, bool si) override { controles[c].visible = si; }
    void enfocar(Control c) override;
    void fondoSistema(Control c, bool sistema) override { controles[c].fondoSistema = sistema; }
    void temporizador(Temporizador t, int ms) override { temporizadores[t] = ms; }
    void cerrarVentanaPrincipal() override { principalCerrada = true; }
    void cerrarTodas() override { principalCerrada = true; }
    void mostrarEstadisticas(const CuentasPreguntas& c) override { estadisticas.push_back(c); }
    double segundosDelDia() const override { return segundos; }
    std::chrono::sys_days hoy() const override { return dia; }
    std::string fechaLarga(std::chrono::sys_days d) const override;

    // What the tests read back.
    const std::string& texto(Control c) const { return controles.at(c).texto; }
    bool habilitado(Control c) const { return controles.at(c).habilitado; }
    int intervalo(Temporizador t) const { return temporizadores.at(t); }
    bool activo(Temporizador t) const { return intervalo(t) > 0; }
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
