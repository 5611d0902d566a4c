// The statistics, help and about windows beside the main one: each at most
// once, the statistics with the counts of the run, "Nueva Pregunta" disabled
// only while they are open; and the program ends when its last window
// closes, whichever it is. A window that outlives the main one goes on
// without it (the sanitizer build catches any use of the freed window).

#include "Base.h"

#include "answer/Velmo.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace auguron;
using namespace auguron::prueba;

namespace {

QWidget* ventana(const char* nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(nombre)) {
            return w;
        }
    }
    return nullptr;
}

enum Paso {
    AbreEstadisticas, // what the statistics command asks of the platform
    AbreTemas,
    AbreAcerca,
    AceptarEstadisticas,
    CuadroEstadisticas,
    CuadroAcerca,
    EscapeTemas,
    CuadroPrincipal,
    MenuSalir,
    CtrlX,
    BotonSalir, // every window
    NoAlEspiritu,
};

void hacer(Principal& v, Paso paso) {
    switch (paso) {
    case AbreEstadisticas:
        v.p->habilitar(Control::cmdNuevaPregunta, false);
        v.p->mostrarEstadisticas();
        break;
    case AbreTemas:
        v.hijo<QAction>("mnuTemas")->trigger();
        break;
    case AbreAcerca:
        v.hijo<QAction>("mnuAcerca")->trigger();
        break;
    case AceptarEstadisticas:
        QTest::mouseClick(ventana("frmEstadisticas")->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
        break;
    case CuadroEstadisticas:
    case CuadroAcerca:
    case CuadroPrincipal: // what the window system sends for the close box
        ventana(paso == CuadroEstadisticas ? "frmEstadisticas"
                : paso == CuadroAcerca     ? "frmAcerca"
                                           : "frmVelmo")
            ->windowHandle()
            ->close();
        break;
    case EscapeTemas: {
        QWidget* temas = ventana("frmTemas");
        temas->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(temas));
        QTest::keyClick(temas, Qt::Key_Escape);
        break;
    }
    case MenuSalir:
        v.hijo<QAction>("mnuSalir")->trigger();
        break;
    case CtrlX:
        v.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.w));
        QTest::keyClick(v.w, Qt::Key_X, Qt::ControlModifier);
        break;
    case BotonSalir:
        QTest::mouseClick(v.hijo<QPushButton>("cmdSalir"), Qt::LeftButton);
        break;
    case NoAlEspiritu: // as after five questions without a hidden answer
        v.w->velmo().estado().PreguntasSinTruco = 5;
        v.azar->poner({1});
        v.p->guion.respuestas = {Boton::No, Boton::Aceptar};
        v.hijo<QAction>("mnuNuevaPregunta")->trigger();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Paso>)

class PruebaVentanas : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { cerrarTodo(); }

    // The command typed into the main window; totals pass 16 bits.
    void estadisticasCuentaYDevuelveElBoton() {
        Principal v = abrir();
        EstadoSesion& e = v.w->velmo().estado();
        e.CantPregTruco = e.CantPregNoValidas = e.CantOtrasPreguntas = 32767;
        e.CantPregFrecuentes = 3;
        escribir(v.hijo("txtPeticion"), QStringLiteral("velmo, favor de responder:"));
        escribir(v.hijo("txtPregunta"), QStringLiteral("¿me muestras las estadísticas?"));
        QWidget* est = ventana("frmEstadisticas");
        QVERIFY(est != nullptr);
        const auto cuenta = [&](const char* nombre) { return est->findChild<QLabel*>(nombre)->text(); };
        QCOMPARE(cuenta("lblCantTruco"), QStringLiteral(" 32767"));
        QCOMPARE(cuenta("lblCantFrecuentes"), QStringLiteral(" 3"));
        QCOMPARE(cuenta("lblCantTotal"), QStringLiteral(" 98304"));
        auto* nueva = v.hijo<QPushButton>("cmdNuevaPregunta");
        QVERIFY(!nueva->isEnabled());
        hacer(v, AceptarEstadisticas);
        QTRY_COMPARE(QApplication::focusWidget(), nueva);
    }

    void cadaVentanaUnaSolaVez() {
        Principal v = abrir();
        for (int i = 0; i < 2; ++i) {
            for (const Paso p : {AbreEstadisticas, AbreTemas, AbreAcerca}) {
                hacer(v, p);
            }
        }
        QCOMPARE(visibles(), QStringLiteral("frmAcerca frmEstadisticas frmTemas frmVelmo"));
    }

    // After each step, the windows on screen; the program ends (inside the
    // event loop, where Qt tells of the last window) with the last step.
    void ordenes_data() {
        QTest::addColumn<QList<Paso>>("pasos");
        QTest::addColumn<QStringList>("vistas");
        const QString P = QStringLiteral("frmVelmo");
        QTest::newRow("la estadística sobrevive a la principal")
            << QList<Paso>{AbreEstadisticas, MenuSalir, AceptarEstadisticas}
            << QStringList{"frmEstadisticas " + P, "frmEstadisticas", ""};
        QTest::newRow("Salir cierra todas") << QList<Paso>{AbreTemas, AbreAcerca, BotonSalir}
                                            << QStringList{"frmTemas " + P, "frmAcerca frmTemas " + P, ""};
        QTest::newRow("cuadros de cierre")
            << QList<Paso>{AbreAcerca, CuadroAcerca, CuadroPrincipal} << QStringList{"frmAcerca " + P, P, ""};
        QTest::newRow("no al espíritu con la ayuda abierta")
            << QList<Paso>{AbreTemas, NoAlEspiritu, EscapeTemas}
            << QStringList{"frmTemas " + P, "frmTemas", ""};
        QTest::newRow("Ctrl+X tras cerrar la estadística")
            << QList<Paso>{AbreEstadisticas, CuadroEstadisticas, CtrlX}
            << QStringList{"frmEstadisticas " + P, P, ""};
    }

    void ordenes() {
        QFETCH(QList<Paso>, pasos);
        QFETCH(QStringList, vistas);
        Principal v = abrir();
        int fines = 0;
        const auto c = connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { ++fines; });
        QTimer guardia;
        connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guardia.start(15000);
        QTimer::singleShot(0, this, [&] {
            for (int i = 0; i < pasos.size(); ++i) {
                hacer(v, pasos[i]);
                asentar();
                QCOMPARE(visibles(), vistas[i]);
                QCOMPARE(fines, vistas[i].isEmpty() ? 1 : 0);
                if (v.w) {
                    QCOMPARE(v.hijo("cmdNuevaPregunta")->isEnabled(), !vistas[i].contains("frmEstadisticas"));
                }
                QCOMPARE(v.w.isNull(), !vistas[i].contains("frmVelmo"));
            }
        });
        QGuiApplication::setQuitOnLastWindowClosed(true);
        const int r = QApplication::exec();
        QGuiApplication::setQuitOnLastWindowClosed(false);
        disconnect(c);
        QCOMPARE(r, 0);
    }
};

QTEST_MAIN(PruebaVentanas)
#include "tst_ventanas.moc"
