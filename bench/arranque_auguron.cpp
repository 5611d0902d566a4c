// The program's start-up as app/main.cpp runs it (the display check aside: the
// benchmark always names its platform), with the probe that timestamps the
// first paint of each message box and of the main window.

#include "app/Recursos.h"
#include "app/frmVelmo.h"
#include "sonda/Sonda.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    banco::SondaArranque sonda;
    QApplication::setApplicationName(QStringLiteral("Auguron"));
    auguron::iniciarRecursos();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/imagenes/auguron.png")));

    auto* ventana = new auguron::frmVelmo;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    return QApplication::exec();
}
