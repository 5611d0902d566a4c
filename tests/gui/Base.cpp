#include "Base.h"

#include <QApplication>
#include <QTest>

namespace auguron::prueba {

Principal abrir(bool cargar) {
    auto plataforma = std::make_unique<PlataformaPrueba>();
    auto azar = std::make_unique<AzarGuion>();
    Principal r{nullptr, plataforma.get(), azar.get()};
    r.w = new frmVelmo(std::move(plataforma), std::move(azar));
    if (cargar) {
        r.p->guion.respuestas = {Boton::Aceptar, Boton::Aceptar};
        r.azar->poner({5000});
        if (r.w->cargar()) {
            r.p->fijarIntervalo(Temporizador::tmrMensaje, 0); // its later draws are not scripted
            r.w->show();
            r.w->activateWindow();
            if (!QTest::qWaitForWindowActive(r.w)) {
                qWarning("the main window did not become active");
            }
        }
    }
    return r;
}

void escribir(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
    }
}

QString visibles() {
    QStringList r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            r << w->objectName();
        }
    }
    r.sort();
    return r.join(QLatin1Char(' '));
}

void asentar() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void cerrarTodo() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget() == nullptr) {
            w->close();
            w->deleteLater();
        }
    }
    asentar();
}

} // namespace auguron::prueba
