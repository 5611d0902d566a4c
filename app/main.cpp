#include "app/Recursos.h"
#include "app/frmVelmo.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

bool definida(const char* variable) {
    const char* v = std::getenv(variable);
    return v != nullptr && *v != '\0';
}

#ifdef Q_OS_LINUX
// Whether an X server answers on a local display (":N" or "unix:N"), through its
// abstract or its file socket. Other display names are taken on trust.
bool servidorLocalResponde(const std::string& display) {
    std::string resto;
    if (display.rfind(':', 0) == 0) {
        resto = display.substr(1);
    } else if (display.rfind("unix:", 0) == 0) {
        resto = display.substr(5);
    } else {
        return true;
    }
    const std::string numero = resto.substr(0, resto.find('.'));
    if (numero.empty() || numero.find_first_not_of("0123456789") != std::string::npos) {
        return true;
    }
    const std::string ruta = "/tmp/.X11-unix/X" + numero;
    for (const bool abstracto : {true, false}) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (s < 0) {
            return true;
        }
        sockaddr_un dir{};
        dir.sun_family = AF_UNIX;
        const std::size_t desde = abstracto ? 1 : 0;
        std::memcpy(dir.sun_path + desde, ruta.data(), ruta.size());
        const auto largo = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + desde + ruta.size());
        const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&dir), largo) == 0;
        ::close(s);
        if (ok) {
            return true;
        }
    }
    return false;
}
#endif

// One clear line instead of Qt's plug-in error when there is nowhere to show
// the window.
bool hayPantalla() {
    if (definida("QT_QPA_PLATFORM") || definida("WAYLAND_DISPLAY")) {
        return true;
    }
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD) || defined(Q_OS_OPENBSD) || defined(Q_OS_NETBSD)
    if (!definida("DISPLAY")) {
        std::fputs("auguron: no hay pantalla disponible (DISPLAY no está definido)\n", stderr);
        return false;
    }
#endif
#ifdef Q_OS_LINUX
    if (!servidorLocalResponde(std::getenv("DISPLAY"))) {
        std::fprintf(stderr, "auguron: no hay pantalla disponible (nada responde en DISPLAY=%s)\n",
                     std::getenv("DISPLAY"));
        return false;
    }
#endif
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hayPantalla()) {
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Auguron"));
    auguron::iniciarRecursos();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/imagenes/auguron.png")));

    // The window closes itself (and is freed) when closed; it ends the program
    // only if it is the last window open.
    auto* ventana = new auguron::frmVelmo;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    return QApplication::exec();
}
