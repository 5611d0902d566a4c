#include "app/Arranque.h"

#include "app/frmVelmo.h"
#include "platform/qt/Estilo.h"

#include "Version.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace auguron {

namespace {

constexpr const char* kUso = "Uso: auguron [-h | --help | --version]\n"
                             "\n"
                             "Auguron, el Sistema Interactivo de Vagulantes: el espíritu Velmo responde las\n"
                             "preguntas que se le hacen. Sin opciones, abre su ventana.\n"
                             "\n"
                             "Opciones:\n"
                             "  -h, --help     muestra esta ayuda y termina\n"
                             "  --version      muestra la versión y termina\n"
                             "\n"
                             "Teclas:\n"
                             "  Intro o ?      envía la pregunta\n"
                             "  F1             Temas de Ayuda\n"
                             "  F2, Alt+N      Nueva Pregunta\n"
                             "  F3             Leer Oración\n"
                             "  F4             Ver u ocultar la imagen\n"
                             "  F10            abre los menús (también Alt+A y Alt+Y)\n"
                             "  Ctrl+X         cierra la ventana principal\n"
                             "  Alt+S          Salir: cierra todas las ventanas\n"
                             "\n"
                             "Más en la página del manual: man 6 auguron\n";

// --help and --version are answered before Qt looks for a display, so they
// work without one. Any other argument is Qt's (-platform, -style...).
bool opcionDeConsola(int argc, char* argv[], int& estado) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kUso, stdout);
            estado = 0;
            return true;
        }
        if (a == "--version") {
            std::printf("Auguron %s (Sistema Interactivo de Vagulantes)\n", kVersion);
            estado = 0;
            return true;
        }
    }
    return false;
}

// What Qt said while it looked for the platform: the plug-in to tell of and
// whether it was missing, as opposed to found but unable to open its display.
struct Intento {
    QString complemento;
    bool falta = false;
};

// While the application opens its display, Qt's own lines wait here: when the
// display cannot be opened the user reads one line of ours, in Spanish, and
// the program ends with status 1 instead of aborting.
QList<QByteArray>* g_pendientes = nullptr;
Intento g_intento;

// The display the window was to be shown on, or why there is none. Qt opens
// wayland-0 when no Wayland socket is named.
QByteArray pantallaPedida(const QString& complemento) {
    if (complemento.startsWith(QLatin1String("wayland"))) {
        const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
        return "no se pudo abrir la pantalla " + (socket.isEmpty() ? QByteArray("wayland-0") : socket);
    }
    if (complemento == QLatin1String("xcb")) {
        const QByteArray pantalla = qgetenv("DISPLAY");
        return pantalla.isEmpty() ? QByteArray("DISPLAY no está definido")
                                  : "no se pudo abrir la pantalla " + pantalla;
    }
    return "no se pudo abrir la pantalla de " + complemento.toLocal8Bit();
}

QByteArray lineaSinPantalla() {
    const QString& c = g_intento.complemento;
    if (g_intento.falta) {
        // Debian ships the Wayland plug-ins apart; the others come with Qt's GUI.
        QByteArray linea = "auguron: falta el complemento de pantalla «" + c.toLocal8Bit() + "» de Qt";
        if (c.startsWith(QLatin1String("wayland"))) {
            linea += " (en Debian, el paquete qt6-wayland)";
        }
        return linea;
    }
    return "auguron: no hay pantalla disponible (" + pantallaPedida(c) + ")";
}

void alAbrirPantalla(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", lineaSinPantalla().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Of several platforms ("wayland;xcb" in a Wayland session), the first one
    // tried is told, unless a later one is missing: that one is to install.
    for (const auto& [inicio, falta] :
         {std::pair{QLatin1String("Could not find the Qt platform plugin \""), true},
          std::pair{QLatin1String("Could not load the Qt platform plugin \""), false}}) {
        if (mensaje.startsWith(inicio) && (g_intento.complemento.isEmpty() || (falta && !g_intento.falta))) {
            g_intento = {mensaje.mid(inicio.size()).section(QLatin1Char('"'), 0, 0), falta};
        }
    }
    g_pendientes->append(qFormatLogMessage(tipo, contexto, mensaje).toLocal8Bit());
}

} // namespace

int arrancar(int argc, char* argv[], const std::function<void()>& conAplicacion) {
    if (int estado = 0; opcionDeConsola(argc, argv, estado)) {
        return estado;
    }
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
