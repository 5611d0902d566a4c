#include "app/Arranque.h"

#include "app/frmVelmo.h"
#include "platform/qt/Estilo.h"

#include <QApplication>

#include <cstdio>

namespace auguron {

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
    QApplication app(argc, argv);
    if (conAplicacion) {
        conAplicacion();
    }
    QApplication::setApplicationName(QStringLiteral("Auguron"));
    // Every window of the program takes the application's icon.
    QApplication::setWindowIcon(estilo::iconoPrograma());

    // The window frees itself when closed; it ends the program only if it is
    // the last window open.
    auto* ventana = new frmVelmo;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    return QApplication::exec();
}

} // namespace auguron
