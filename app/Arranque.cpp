#include "app/Arranque.h"

#include "app/frmVelmo.h"
#include "platform/qt/Estilo.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace auguron {

namespace {

// The display the window was to be shown on: Wayland's socket when Qt was
// asked for Wayland, else the X server's; the platform's name if neither is set.
QByteArray pantallaPedida() {
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    const bool wayland =
        plataforma.isEmpty() ? qgetenv("XDG_SESSION_TYPE") == "wayland" : plataforma.startsWith("wayland");
    const QByteArray pantalla = qgetenv(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
    return pantalla.isEmpty() ? plataforma : pantalla;
}

// While the application opens its display, Qt's own lines wait here: when the
// display cannot be opened the user reads one line of ours, in Spanish, and
// the program ends with status 1 instead of aborting.
QList<QByteArray>* g_pendientes = nullptr;

void alAbrirPantalla(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr, "auguron: no hay pantalla disponible (no se pudo abrir la pantalla %s)\n",
                     pantallaPedida().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_pendientes->append(qFormatLogMessage(tipo, contexto, mensaje).toLocal8Bit());
}

} // namespace

int arrancar(int argc, char* argv[], const std::function<void()>& conAplicacion) {
    // One clear line instead of Qt's plug-in error when there is nowhere to
    // show the window.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        std::fputs("auguron: no hay pantalla disponible (DISPLAY no está definido)\n", stderr);
        return 1;
#endif
    }
    QList<QByteArray> pendientes;
    g_pendientes = &pendientes;
    const QtMessageHandler anterior = qInstallMessageHandler(alAbrirPantalla);
    QApplication app(argc, argv);
    qInstallMessageHandler(anterior);
    g_pendientes = nullptr;
    for (const QByteArray& linea : pendientes) {
        std::fprintf(stderr, "%s\n", linea.constData());
    }

    if (conAplicacion) {
        conAplicacion();
    }
    QApplication::setApplicationName(QStringLiteral("Auguron"));

    // The window frees itself when closed; it ends the program only if it is
    // the last window open.
    auto* ventana = new frmVelmo;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    // Without a window manager a new window does not get the keyboard by itself.
    ventana->activateWindow();
    return QApplication::exec();
}

} // namespace auguron
