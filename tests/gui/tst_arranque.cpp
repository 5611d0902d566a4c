// Start-up of the main window: the prayer refused or accepted.

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace auguron;
using namespace auguron::prueba;

class PruebaArranque : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { cerrarTodo(); }
    void cancelarLaOracionNoMuestraNada();
    void aceptarLaOracionAbreLaVentana();
};

void PruebaArranque::cancelarLaOracionNoMuestraNada() {
    Prueba p = crear();
    p.plataforma->respuestas = {Boton::Cancelar};
    QVERIFY(!p.ventana->cargar());

    QCOMPARE(p.plataforma->cajas.size(), std::size_t{1});
    QCOMPARE(p.plataforma->titulo(0), QStringLiteral("Oración"));
    QCOMPARE(p.plataforma->cajas[0].botones, Botones::AceptarCancelar);
    QCOMPARE(p.plataforma->texto(0), QStringLiteral("Tómense de manos y repitan al unísono esto:\r"
                                                    "Laudate omnes gentes laudate, Magnificat en secula\r"
                                                    "Et anima mea laudate, Magnificat en secula"));
    QCOMPARE(p.plataforma->sinRespuesta, 0);
    // Nothing else happened: no welcome box, no draw, the status timer idle,
    // and the window never reached the screen.
    QVERIFY(p.azar->pedidos.empty());
    auto* tmrMensaje = p.ventana->findChild<QTimer*>(QStringLiteral("tmrMensaje"));
    QVERIFY(tmrMensaje && !tmrMensaje->isActive());
    QVERIFY(!p.ventana->isVisible());
    QVERIFY(p.ventana->windowHandle() == nullptr);
}

void PruebaArranque::aceptarLaOracionAbreLaVentana() {
    Prueba p = crear();
    p.plataforma->respuestas = {Boton::Aceptar, Boton::Aceptar};
    p.azar->tiradas = {1234};
    QApplication::clipboard()->setText(QStringLiteral("copiado en otro programa"));
    QVERIFY(p.ventana->cargar());

    QCOMPARE(p.plataforma->cajas.size(), std::size_t{2});
    QCOMPARE(p.plataforma->titulo(1), QStringLiteral("Buscando vagulantes..."));
    QCOMPARE(p.plataforma->cajas[1].botones, Botones::Aceptar);
    QCOMPARE(p.plataforma->texto(1), QStringLiteral("Bienvenido al Sistema Interactivo de Vagulantes.\r"
                                                    "- A propósito, mi nombre es Velmo..."));
    QCOMPARE(p.plataforma->sinRespuesta, 0);

    // The status timer got its first random interval, of 5000 at most.
    QCOMPARE(p.azar->pedidos, std::vector<int>{5000});
    auto* tmrMensaje = p.ventana->findChild<QTimer*>(QStringLiteral("tmrMensaje"));
    QVERIFY(tmrMensaje->isActive());
    QCOMPARE(tmrMensaje->interval(), 1234);
    QCOMPARE(p.ventana->velmo().estado().PosPeticion, Entero{1});
    QCOMPARE(p.ventana->velmo().estado().FrasePeticion,
             std::string("Velmo, favor de responder esta pregunta"));

    p.ventana->show();
    QApplication::setActiveWindow(p.ventana);
    QVERIFY(QTest::qWaitForWindowActive(p.ventana));
    auto* txtPeticion = p.ventana->findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
    auto* txtPregunta = p.ventana->findChild<QLineEdit*>(QStringLiteral("txtPregunta"));
    QTRY_COMPARE(QApplication::focusWidget(), txtPeticion);
    QVERIFY(txtPeticion->isEnabled());
    QVERIFY(!txtPregunta->isEnabled());
    QCOMPARE(p.ventana->findChild<QLabel*>(QStringLiteral("lblInfo"))->text(),
             QStringLiteral("Buscando Vagulantes..."));
    // The petition box got the focus: the clipboard is empty.
    QVERIFY(QApplication::clipboard()->text().isEmpty());
}

QTEST_MAIN(PruebaArranque)
#include "tst_arranque.moc"
