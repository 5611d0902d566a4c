// The real message boxes of the Qt platform: buttons, default, Escape and the
// close box, line breaks, no icon.

#include "platform/qt/PlataformaQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace auguron;

namespace {

// Runs `accion` on the modal box once it is up. The box is found while exec()
// runs its own loop, so the check happens from a timer.
void cuandoAparezca(std::function<void(QMessageBox*)> accion) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, accion] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            caja && caja->isVisible()) {
            t->stop();
            t->deleteLater();
            accion(caja);
        }
    });
    t->start();
}

QStringList textos(const QMessageBox* caja) {
    QStringList r;
    for (const QAbstractButton* b : caja->buttons()) {
        r << b->text();
    }
    r.sort();
    return r;
}

QPushButton* boton(QMessageBox* caja, const QString& texto) {
    for (QAbstractButton* b : caja->buttons()) {
        if (b->text() == texto) {
            return qobject_cast<QPushButton*>(b);
        }
    }
    return nullptr;
}

} // namespace

class PruebaMensajes : public QObject {
    Q_OBJECT

private slots:
    void aceptarCancelar_data();
    void aceptarCancelar();
    void siNoNoSeDescarta();
    void siNoPorDefectoSi();
    void soloAceptar();
};

void PruebaMensajes::aceptarCancelar_data() {
    QTest::addColumn<QString>("gesto");
    QTest::addColumn<int>("esperado");
    QTest::newRow("Escape") << "escape" << int(Boton::Cancelar);
    QTest::newRow("cuadro de cierre") << "cerrar" << int(Boton::Cancelar);
    QTest::newRow("Intro en el botón por defecto") << "intro" << int(Boton::Aceptar);
    QTest::newRow("clic en Cancelar") << "cancelar" << int(Boton::Cancelar);
}

// What the box looked like when it came up.
struct Vista {
    QString titulo;
    QString texto;
    Qt::TextFormat formato = Qt::AutoText;
    QMessageBox::Icon icono = QMessageBox::Information;
    QStringList botones;
    QString porDefecto;
};

namespace {
Vista mirar(const QMessageBox* caja) {
    return {caja->windowTitle(), caja->text(),
            caja->textFormat(),  caja->icon(),
            textos(caja),        caja->defaultButton() ? caja->defaultButton()->text() : QString()};
}
} // namespace

void PruebaMensajes::aceptarCancelar() {
    QFETCH(QString, gesto);
    QFETCH(int, esperado);
    PlataformaQt p;
    Vista v;
    cuandoAparezca([&](QMessageBox* caja) {
        v = mirar(caja);
        if (gesto == "escape") {
            QTest::keyClick(caja, Qt::Key_Escape);
        } else if (gesto == "cerrar") {
            caja->close();
        } else if (gesto == "intro") {
            QTest::keyClick(caja, Qt::Key_Return);
        } else {
            boton(caja, QStringLiteral("Cancelar"))->click();
        }
    });
    // Character 13 breaks a line; "\xF3" is the Windows-1252 "ó".
    const Boton r = p.mensaje("Uno <b>dos</b>\rTres\rCuatro", "Oraci\xF3n", Botones::AceptarCancelar);
    QCOMPARE(int(r), esperado);
    QCOMPARE(v.titulo, QStringLiteral("Oración"));
    QCOMPARE(v.texto, QStringLiteral("Uno <b>dos</b>\nTres\nCuatro"));
    QCOMPARE(v.formato, Qt::PlainText);
    QCOMPARE(v.icono, QMessageBox::NoIcon);
    QCOMPARE(v.botones, (QStringList{QStringLiteral("Aceptar"), QStringLiteral("Cancelar")}));
    QCOMPARE(v.porDefecto, QStringLiteral("Aceptar"));
}

void PruebaMensajes::siNoNoSeDescarta() {
    PlataformaQt p;
    Vista v;
    bool sigueAbierta = false;
    cuandoAparezca([&](QMessageBox* caja) {
        v = mirar(caja);
        QTest::keyClick(caja, Qt::Key_Escape);
        caja->close();
        QApplication::processEvents();
        sigueAbierta = caja->isVisible() && QApplication::activeModalWidget() == caja;
        boton(caja, QStringLiteral("No"))->click();
    });
    QCOMPARE(p.mensaje("Cree usted?", "Velmo pregunta:", Botones::SiNo), Boton::No);
    QVERIFY(sigueAbierta);
    QCOMPARE(v.botones, (QStringList{QStringLiteral("No"), QStringLiteral("Sí")}));
    QCOMPARE(v.porDefecto, QStringLiteral("Sí"));
    QCOMPARE(v.icono, QMessageBox::NoIcon);
}

void PruebaMensajes::siNoPorDefectoSi() {
    PlataformaQt p;
    cuandoAparezca([](QMessageBox* caja) { QTest::keyClick(caja, Qt::Key_Return); });
    QCOMPARE(p.mensaje("x", "Velmo pregunta:", Botones::SiNo), Boton::Si);
}

void PruebaMensajes::soloAceptar() {
    PlataformaQt p;
    Vista v;
    cuandoAparezca([&](QMessageBox* caja) {
        v = mirar(caja);
        QTest::keyClick(caja, Qt::Key_Escape);
    });
    QCOMPARE(p.mensaje("Adi\xF3s", "No creo", Botones::Aceptar), Boton::Aceptar);
    QCOMPARE(v.botones, QStringList{QStringLiteral("Aceptar")});
    QCOMPARE(v.texto, QStringLiteral("Adiós"));
    QCOMPARE(v.titulo, QStringLiteral("No creo"));
}

QTEST_MAIN(PruebaMensajes)
#include "tst_mensajes.moc"
