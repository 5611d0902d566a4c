#include "windows/Ventanas.h"

#include "platform/qt/Estilo.h"
#include "windows/frmAcerca.h"
#include "windows/frmEstadisticas.h"
#include "windows/frmTemas.h"

#include <QApplication>
#include <QPointer>

namespace auguron {

namespace {

QPointer<frmEstadisticas> g_estadisticas;
QPointer<frmTemas> g_temas;
QPointer<frmAcerca> g_acerca;

// A closed window lingers, hidden, until its deferred deletion runs: it counts
// as gone already.
template <class Ventana> bool cargada(const QPointer<Ventana>& v) {
    return v && v->isVisible();
}

void alFrente(QWidget* v) {
    if (v->isVisible()) {
        if (v->isMinimized()) {
            v->setWindowState(v->windowState() & ~Qt::WindowMinimized);
        }
        v->raise();
    } else {
        v->show();
    }
    v->activateWindow();
}

// Without a window manager nobody hands the keyboard on when a window goes:
// the main window takes it back, unless another of ours has it.
void devolverAlCerrar(QWidget* ventana, QWidget* principal) {
    if (principal == nullptr) {
        return;
    }
    QObject::connect(ventana, &QObject::destroyed, principal, [ventana, principal] {
        const QWidget* activa = QApplication::activeWindow();
        if (principal->isVisible() && (activa == nullptr || activa == ventana)) {
            principal->activateWindow();
        }
    });
}

} // namespace

void mostrarEstadisticas(const CuentasPreguntas& cuentas, QWidget* principal,
                         std::function<void(bool conAceptar)> alCerrar) {
    if (!cargada(g_estadisticas)) {
        g_estadisticas = new frmEstadisticas(cuentas);
        devolverAlCerrar(g_estadisticas, principal);
        QObject::connect(g_estadisticas, &frmEstadisticas::cerrada, g_estadisticas, std::move(alCerrar));
        if (principal != nullptr && principal->isVisible()) {
            estilo::centrar(g_estadisticas, principal->geometry().center());
        } else {
            estilo::centrarEnPantalla(g_estadisticas);
        }
    }
    alFrente(g_estadisticas);
}

void mostrarTemas(QWidget* principal) {
    if (!cargada(g_temas)) {
        g_temas = new frmTemas;
        devolverAlCerrar(g_temas, principal);
        estilo::centrarEnPantalla(g_temas);
    }
    alFrente(g_temas);
}

void mostrarAcerca(QWidget* principal) {
    if (!cargada(g_acerca)) {
        g_acerca = new frmAcerca;
        devolverAlCerrar(g_acerca, principal);
        estilo::centrarEnPantalla(g_acerca);
    }
    alFrente(g_acerca);
}

} // namespace auguron
