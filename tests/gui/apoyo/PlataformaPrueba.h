#pragma once

// The real Qt platform with its message boxes answered from a queue (every box
// recorded with text, title and buttons) and a clock the test sets; and draws
// from a script. Nothing here throws: a box or a draw the test did not script
// is counted, so the test can check that none happened.

#include "app/frmVelmo.h"
#include "platform/guion/PlataformaGuion.h"
#include "platform/qt/PlataformaQt.h"
#include "util/Aleatorio.h"

#include <QPointer>
#include <QString>

#include <chrono>
#include <deque>
#include <vector>

namespace auguron::prueba {

class PlataformaPrueba : public PlataformaQt {
public:
    std::deque<Boton> respuestas;
    std::vector<CajaMostrada> cajas;
    int sinRespuesta = 0; // boxes shown with no answer queued (answered with their first button)

    double segundos = 12 * 3600.0;
    double avancePorCaja = 0; // seconds the clock moves while each box is open
    std::chrono::sys_days dia = std::chrono::sys_days{std::chrono::year{2026} / 12 / 6};

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override;
    double segundosDelDia() const override { return segundos; }
    std::chrono::sys_days hoy() const override { return dia; }

    // A recorded box as shown text (Windows-1252 decoded).
    QString texto(std::size_t i) const;
    QString titulo(std::size_t i) const;
    using PlataformaQt::texto;
};

class AzarPrueba : public FuenteAleatoria {
public:
    std::deque<int> tiradas;
    std::vector<int> pedidos; // every Intervalo asked for, in order
    int sinGuion = 0;         // draws made with none scripted (answered with Intervalo)

    Entero fncNroAleatorio(int Intervalo) override;
};

// A main window on the test platform, not yet loaded.
struct Prueba {
    QPointer<frmVelmo> ventana;
    PlataformaPrueba* plataforma = nullptr;
    AzarPrueba* azar = nullptr;
};
Prueba crear();

// Creates, loads (OK to the prayer, the welcome box closed, `primerIntervalo`
// as the draw for tmrMensaje), shows and activates the main window; the
// record of boxes and draws is then cleared.
Prueba abrir(int primerIntervalo = 5000);

// Types `texto` into `w` one key at a time, as a keyboard would, non-ASCII
// letters included (QTest::keyClicks handles ASCII only).
void escribir(QWidget* w, const QString& texto);

// Closes and frees a window left open by a test, and any other top-level window.
void cerrarTodo();

} // namespace auguron::prueba
