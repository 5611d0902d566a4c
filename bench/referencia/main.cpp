// The reference start-up, instrumented like the program's (arranque_auguron).

#include "referencia/VentanaReferencia.h"
#include "sonda/Sonda.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    banco::SondaArranque sonda;
    QApplication::setApplicationName(QStringLiteral("Auguron"));
    // Every window takes the application's icon, as in the program.
    QApplication::setWindowIcon(banco::iconoReferencia());

    auto* ventana = new banco::VentanaReferencia;
    if (!ventana->cargar()) {
        delete ventana;
        return 0;
    }
    ventana->show();
    return QApplication::exec();
}
