// The real start-up on whatever display the environment names (wayland.sh
// gives it a headless Weston): the prayer box and the welcome box, each shown
// by the compositor and answered with "Aceptar", then the main window on
// screen. Status 0 only if all of that happened on the platform asked for.

#include "app/Arranque.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

bool enPantalla(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->windowHandle() != nullptr && w->windowHandle()->isExposed();
}

} // namespace

int main(int argc, char* argv[]) {
    int cajas = 0;
    const int estado = auguron::arrancar(argc, argv, [&cajas] {
        auto* paso = new QTimer(qApp);
        QObject::connect(paso, &QTimer::timeout, [&cajas] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                enPantalla(caja)) {
                for (QAbstractButton* b : caja->buttons()) {
                    if (b->text() == QStringLiteral("Aceptar")) {
                        ++cajas;
                        QTest::mouseClick(b, Qt::LeftButton);
                        return;
                    }
                }
            }
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QStringLiteral("frmVelmo") && enPantalla(w)) {
                    std::printf("ventana principal en %s tras %d cajas\n",
                                qPrintable(QGuiApplication::platformName()), cajas);
                    w->close(); // freed as the program leaves, as the user's close frees it
                    QApplication::exit(cajas == 2 ? 0 : 1);
                }
            }
        });
        paso->start(20);
        QTimer::singleShot(20000, [] {
            std::puts("la ventana principal no llegó a la pantalla");
            QApplication::exit(1);
        });
    });
    return estado;
}
