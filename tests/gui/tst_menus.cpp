// Menus, shortcuts and access keys of the main window, and the ways to close it.

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace auguron;
using namespace auguron::prueba;

namespace {
const char kOracionMenu[] = "Tomarse de manos y repetir al unísono:\r"
                            "Laudate omnes gentes laudate, Magnificat en secula\r"
                            "Et anima mea laudate, Magnificat en secula";

QWidget* ventanaLlamada(const QString& nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nombre && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}
} // namespace

class PruebaMenus : public QObject {
    Q_OBJECT

private slots:
    void init() { m_p = abrir(); }
    void cleanup() { cerrarTodo(); }

    void f2ConElBotonDeshabilitado();
    void altNEmpiezaOtraPregunta();
    void f4MuestraYOcultaElLogo();
    void f3OracionCancelada();
    void f3OracionLargaArrancaLosMensajes();
    void ctrlXCierraDesdeUnaCaja_data();
    void ctrlXCierraDesdeUnaCaja();
    void salirDelMenuDejaLasOtrasVentanas();
    void botonSalirCierraTodas();
    void cuadroDeCierre();
    void ayudaYAcercaDe();

private:
    template <class T> T* hijo(const char* nombre) {
        return m_p.ventana->findChild<T*>(QLatin1String(nombre));
    }
    Prueba m_p;
};

void PruebaMenus::f2ConElBotonDeshabilitado() {
    auto* txtPeticion = hijo<QLineEdit>("txtPeticion");
    escribir(txtPeticion, QStringLiteral("hola"));
    QCOMPARE(txtPeticion->text(), QStringLiteral("Hola"));
    // As while the statistics window is open.
    hijo<QPushButton>("cmdNuevaPregunta")->setEnabled(false);
    m_p.azar->tiradas = {2}; // no soul found

    QTest::keyClick(txtPeticion, Qt::Key_F2);
    QCOMPARE(txtPeticion->text(), QString());
    QCOMPARE(hijo<QLabel>("lblInfo")->text(), QString());
    QCOMPARE(m_p.azar->pedidos, std::vector<int>{8});
    QCOMPARE(QApplication::focusWidget(), txtPeticion);
    QCOMPARE(m_p.ventana->velmo().estado().PosPeticion, Entero{1});
}

void PruebaMenus::altNEmpiezaOtraPregunta() {
    auto* txtPeticion = hijo<QLineEdit>("txtPeticion");
    escribir(txtPeticion, QStringLiteral("velmo"));
    m_p.azar->tiradas = {2};
    QTest::keyClick(txtPeticion, Qt::Key_N, Qt::AltModifier);
    // An access key presses its button with a short animation.
    QTRY_COMPARE(txtPeticion->text(), QString());
    QCOMPARE(m_p.azar->pedidos, std::vector<int>{8});
}

void PruebaMenus::f4MuestraYOcultaElLogo() {
    auto* logo = hijo<QLabel>("pctLogo");
    auto* item = hijo<QAction>("mnuVerImagen");
    QVERIFY(!logo->isVisible());
    QTest::keyClick(m_p.ventana, Qt::Key_F4);
    QVERIFY(logo->isVisible());
    QCOMPARE(item->text(), QStringLiteral("Ocultar Imagen"));
    QTest::keyClick(m_p.ventana, Qt::Key_F4);
    QVERIFY(!logo->isVisible());
    QCOMPARE(item->text(), QStringLiteral("Ver Imagen"));
}

void PruebaMenus::f3OracionCancelada() {
    m_p.plataforma->respuestas = {Boton::Cancelar};
    m_p.plataforma->avancePorCaja = 60; // however long it stayed open
    QTest::keyClick(hijo<QLineEdit>("txtPeticion"), Qt::Key_F3);
    QCOMPARE(m_p.plataforma->cajas.size(), std::size_t{1});
    QCOMPARE(m_p.plataforma->titulo(0), QStringLiteral("Oración"));
    QCOMPARE(m_p.plataforma->texto(0), QString::fromUtf8(kOracionMenu));
    QCOMPARE(m_p.plataforma->cajas[0].botones, Botones::AceptarCancelar);
    QVERIFY(m_p.azar->pedidos.empty());
    QCOMPARE(hijo<QTimer>("tmrMensaje")->interval(), 5000);
}

void PruebaMenus::f3OracionLargaArrancaLosMensajes() {
    m_p.plataforma->respuestas = {Boton::Aceptar};
    m_p.plataforma->avancePorCaja = 21;
    m_p.azar->tiradas = {3, 1500}; // 3 of 4 starts the messages after 21 s; then the period
    QTest::keyClick(m_p.ventana, Qt::Key_F3);
    QCOMPARE(m_p.azar->pedidos, (std::vector<int>{4, 3000}));
    auto* tmrMensaje = hijo<QTimer>("tmrMensaje");
    QVERIFY(tmrMensaje->isActive());
    QCOMPARE(tmrMensaje->interval(), 1500);
    QCOMPARE(m_p.ventana->velmo().estado().PasoMensaje, Entero{0});
}

void PruebaMenus::ctrlXCierraDesdeUnaCaja_data() {
    QTest::addColumn<bool>("enLaPregunta");
    QTest::newRow("petición") << false;
    QTest::newRow("pregunta") << true;
}

void PruebaMenus::ctrlXCierraDesdeUnaCaja() {
    QFETCH(bool, enLaPregunta);
    auto* txtPeticion = hijo<QLineEdit>("txtPeticion");
    escribir(txtPeticion, enLaPregunta ? QStringLiteral("Velmo:") : QStringLiteral("Velmo"));
    QLineEdit* caja = enLaPregunta ? hijo<QLineEdit>("txtPregunta") : txtPeticion;
    QCOMPARE(QApplication::focusWidget(), caja);
    escribir(caja, QStringLiteral("abc"));
    const QString antes = caja->text();
    QTest::keyClick(caja, Qt::Key_X, Qt::ControlModifier);
    // The line edit did not take it as Cut.
    if (m_p.ventana) {
        QCOMPARE(caja->text(), antes);
    }
    QTRY_VERIFY(m_p.ventana.isNull());
}

void PruebaMenus::salirDelMenuDejaLasOtrasVentanas() {
    QTest::keyClick(m_p.ventana, Qt::Key_F1);
    QPointer<QWidget> temas = ventanaLlamada(QStringLiteral("frmTemas"));
    QVERIFY(temas);
    QApplication::setActiveWindow(m_p.ventana);
    QVERIFY(QTest::qWaitForWindowActive(m_p.ventana));

    m_p.ventana->findChild<QAction*>(QStringLiteral("mnuSalir"))->trigger();
    QTRY_VERIFY(m_p.ventana.isNull());
    QVERIFY(temas && temas->isVisible());
}

void PruebaMenus::botonSalirCierraTodas() {
    QTest::keyClick(m_p.ventana, Qt::Key_F1);
    QPointer<QWidget> temas = ventanaLlamada(QStringLiteral("frmTemas"));
    QVERIFY(temas);
    QApplication::setActiveWindow(m_p.ventana);
    QVERIFY(QTest::qWaitForWindowActive(m_p.ventana));

    QTest::keyClick(m_p.ventana, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(m_p.ventana.isNull());
    QVERIFY(!temas || !temas->isVisible());
}

void PruebaMenus::cuadroDeCierre() {
    QTest::keyClick(m_p.ventana, Qt::Key_F1);
    QPointer<QWidget> temas = ventanaLlamada(QStringLiteral("frmTemas"));
    QVERIFY(m_p.ventana->close());
    QTRY_VERIFY(m_p.ventana.isNull());
    QVERIFY(temas && temas->isVisible());
}

void PruebaMenus::ayudaYAcercaDe() {
    QTest::keyClick(m_p.ventana, Qt::Key_F1);
    QWidget* temas = ventanaLlamada(QStringLiteral("frmTemas"));
    QVERIFY(temas);
    m_p.ventana->findChild<QAction*>(QStringLiteral("mnuAcerca"))->trigger();
    QVERIFY(ventanaLlamada(QStringLiteral("frmAcerca")));
    // F1 again brings the same help window, no second one.
    QApplication::setActiveWindow(m_p.ventana);
    QVERIFY(QTest::qWaitForWindowActive(m_p.ventana));
    QTest::keyClick(m_p.ventana, Qt::Key_F1);
    int temasAbiertas = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        temasAbiertas += w->objectName() == QStringLiteral("frmTemas") && w->isVisible();
    }
    QCOMPARE(temasAbiertas, 1);
}

QTEST_MAIN(PruebaMenus)
#include "tst_menus.moc"
