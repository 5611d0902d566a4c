// The reference start-up, instrumented like the program's (arranque_auguron).

#include "referencia/VentanaReferencia.h"
#include "sonda/Sonda.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    banco::SondaArranque sonda;
    QApplication::setApplicationName(QStringLiteral("Auguron"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/imagenes/auguron.png")));

    auto* ventana = new banco::VentanaReferencia;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    return QApplication::exec();
}
