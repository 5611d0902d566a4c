// The statistics, help and about windows beside the main one: each at most
// once, the statistics with the counts of the run, "Nueva Pregunta" disabled
// only while they are open; and the program ends when its last window
// closes, whichever it is. A window that outlives the main one goes on
// without it (the sanitizer build catches any use of the freed window).

#include "Base.h"

#include "answer/Velmo.h"
#include "platform/qt/Estilo.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
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

// A step of the user: a menu item or a button of the main window by name, the
// close box, the button or Escape in a small window, Ctrl+X, or No to the spirit.
void hacer(Principal& v, const QString& paso) {
    const QStringList p = paso.split(QLatin1Char(' '));
    if (p[0] == QLatin1String("estadisticas")) { // what the statistics command asks of the platform
        v.w->velmo().frecuentes().fncResponderPreguntaFrecuente(10007);
    } else if (p[0] == QLatin1String("cuadro")) { // what the window system sends for the close box
        ventana(p[1].toLatin1())->windowHandle()->close();
    } else if (p[0] == QLatin1String("boton")) {
        QTest::mouseClick(ventana(p[1].toLatin1())->findChild<QPushButton*>(p[2]), Qt::LeftButton);
    } else if (p[0] == QLatin1String("escape")) {
        QWidget* w = ventana(p[1].toLatin1());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_Escape);
    } else if (p[0] == QLatin1String("Ctrl+X")) {
        v.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.w));
        QTest::keyClick(v.w, Qt::Key_X, Qt::ControlModifier);
    } else if (p[0] == QLatin1String("espiritu")) { // No, as after five questions without a hidden answer
        v.w->velmo().estado().PreguntasSinTruco = 5;
        v.azar->poner({1});
        v.p->guion.respuestas = {Boton::No, Boton::Aceptar};
        v.hijo<QAction>("mnuNuevaPregunta")->trigger();
    } else {
        v.hijo<QAction>(p[0].toLatin1())->trigger();
    }
}

} // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { cerrarTodo(); }

    // The command typed into the main window; totals pass 16 bits. Escape
    // closes the window as its button does: the new-question button comes
    // back, with the focus.
    void estadisticasCuentaYDevuelveElBoton() {
        Principal v = abrir();
        EstadoSesion& e = v.w->velmo().estado();
        e.CantPregTruco = e.CantPregNoValidas = 32767;
        e.CantPregFrecuentes = 3, e.CantOtrasPreguntas = -2;
        auto* nueva = v.hijo<QPushButton>("cmdNuevaPregunta");
        for (const char* cierre : {"escape frmEstadisticas", "boton frmEstadisticas cmdAceptar"}) {
            v.azar->poner({2}); // the new question finds no soul
            v.hijo<QAction>("mnuNuevaPregunta")->trigger();
            escribir(v.hijo("txtPeticion"), QStringLiteral("velmo, favor de responder:"));
            escribir(v.hijo("txtPregunta"), QStringLiteral("¿me muestras las estadísticas?"));
            QWidget* est = ventana("frmEstadisticas");
            QVERIFY(est != nullptr);
            const auto cuenta = [&](const char* nombre) { return est->findChild<QLabel*>(nombre)->text(); };
            QCOMPARE(cuenta("lblCantTruco"), QStringLiteral(" 32767"));
            QCOMPARE(cuenta("lblCantFrecuentes"), QStringLiteral(" 3"));
            QCOMPARE(cuenta("lblCantOtras"), QStringLiteral("-2")); // a minus instead of the blank
            QCOMPARE(cuenta("lblCantTotal"), QStringLiteral(" 65535"));
            QVERIFY(!nueva->isEnabled());
            QCOMPARE(v.hijo<QLineEdit>("txtPregunta")->text(), QStringLiteral("?")); // emptied before the "?"
            hacer(v, QLatin1String(cierre));
            QTRY_COMPARE(QApplication::focusWidget(), nueva);
            QVERIFY(ventana("frmEstadisticas") == nullptr);
        }
    }

    // The pictures are there: the logo behind F4 and in the about window, at
    // 65 x 65 pixels, and the program's icon in every size a window asks for.
    void imagenes() {
        Principal v = abrir();
        hacer(v, QStringLiteral("mnuVerImagen"));
        hacer(v, QStringLiteral("mnuAcerca"));
        for (QLabel* l : {v.hijo<QLabel>("pctLogo"), ventana("frmAcerca")->findChild<QLabel*>("Picture1")}) {
            QCOMPARE(l->pixmap().size(), QSize(65, 65));
        }
        const QIcon icono = estilo::iconoPrograma();
        for (const int lado : {16, 32, 48, 64, 128, 256}) {
            QCOMPARE(icono.pixmap(QSize(lado, lado)).size(), QSize(lado, lado));
        }
        // Every window carries that one icon, the message boxes too (the
        // application has none: X11 would be sent it twice per window).
        hacer(v, QStringLiteral("mnuTemas"));
        hacer(v, QStringLiteral("estadisticas"));
        for (const char* nombre : {"frmVelmo", "frmAcerca", "frmTemas", "frmEstadisticas"}) {
            QCOMPARE(ventana(nombre)->windowIcon().cacheKey(), icono.cacheKey());
        }
    }

    // Each window at most once; on a fresh run, what each says, every count " 0".
    void cadaVentanaUnaSolaVez() {
        Principal v = abrir();
        for (const char* paso :
             {"estadisticas", "mnuTemas", "mnuAcerca", "estadisticas", "mnuTemas", "mnuAcerca"}) {
            hacer(v, QLatin1String(paso));
        }
        QCOMPARE(visibles(), QStringLiteral("frmAcerca frmEstadisticas frmTemas frmVelmo"));
        // A window's title, then the text of each of `objetos`.
        const auto dice = [](const char* nombre, const QStringList& objetos) {
            QStringList r{ventana(nombre)->windowTitle()};
            for (const QString& o : objetos) {
                const QObject* c = ventana(nombre)->findChild<QObject*>(o);
                r << (c ? c->property("text").toString() : "no " + o);
            }
            return r;
        };
        QCOMPARE(dice("frmVelmo", {"lblInfo", "mnuVerImagen"}),
                 (QStringList{"Auguron - Sistema Interactivo de Vagulantes", "Buscando Vagulantes...",
                              "Ver Imagen"}));
        QCOMPARE(dice("frmTemas", {"Label1", "Label2", "Label3", "Label4", "Label6", "Label5", "Label7",
                                   "Label8", "Label9", "Label10", "Label11", "Label12"}),
                 (QStringList{
                     "Temas de Ayuda", "¿Cómo hacer la petición?",
                     "La petición puede hacerse escribiendo:", "Velmo, favor de responder esta pregunta:",
                     "o de la forma corta:", "Velmo, favor de responder:",
                     "Tener en cuenta que la petición debe finalizar con el signo \" : \"  (dos puntos), de",
                     "lo contrario no pasará al cuadro siguiente.", "¿Cómo preguntar?",
                     "Velmo es capaz de responder cualquier pregunta, siempre y cuando ésta termine",
                     "con el signo de interrogación (  ?  ).",
                     "No es necesario usar signo de interrogación al principio de la pregunta.",
                     "Cualquier consulta o duda puede comunicarse con:"}));
        QCOMPARE(dice("frmAcerca", {"Label2", "Label5", "Label3", "Label7", "Label9", "cmdAceptar"}),
                 (QStringList{"Acerca de Auguron", "Sistema Interactivo de Vagulantes",
                              "Sistema de IA - DB Universal", "Incluye Módulo OUIJA y Llamadas al Averno",
                              "Diseño y programación:", "Dudas, consultas, sugerencias:", "&Cerrar"}));
        QCOMPARE(dice("frmEstadisticas", {"cmdAceptar", "lblTruco", "lblFrecuentes", "lblMalFormuladas",
                                          "lblOtras", "lblTotal", "lblCantTruco", "lblCantFrecuentes",
                                          "lblCantMalFormuladas", "lblCantOtras", "lblCantTotal"}),
                 (QStringList{"Estadísticas", "&Aceptar", "Preguntas con truco:", "Preguntas frecuentes:",
                              "Preguntas mal formuladas:", "Otras preguntas:", "Total de preguntas:", " 0",
                              " 0", " 0", " 0", " 0"}));
        // The about window names the system it is built for.
        const QString titulo = ventana("frmAcerca")->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        QVERIFY(titulo.startsWith(QStringLiteral("Auguron Versión ")) &&
                !titulo.contains(QStringLiteral("Windows")));
    }

    // After each step, the windows on screen; the program ends (inside the
    // event loop, where Qt tells of the last window) with the last step.
    void ordenes_data() {
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<QStringList>("vistas");
        const QString P = QStringLiteral("frmVelmo");
        QTest::newRow("la estadística sobrevive a la principal")
            << QStringList{"estadisticas", "mnuSalir", "boton frmEstadisticas cmdAceptar"}
            << QStringList{"frmEstadisticas " + P, "frmEstadisticas", ""};
        QTest::newRow("Salir cierra todas") << QStringList{"mnuTemas", "mnuAcerca", "boton frmVelmo cmdSalir"}
                                            << QStringList{"frmTemas " + P, "frmAcerca frmTemas " + P, ""};
        QTest::newRow("cuadros de cierre") << QStringList{"mnuAcerca", "cuadro frmAcerca", "cuadro frmVelmo"}
                                           << QStringList{"frmAcerca " + P, P, ""};
        QTest::newRow("Escape cierra ayuda y acerca de")
            << QStringList{"mnuTemas", "mnuAcerca", "escape frmAcerca", "escape frmTemas", "mnuSalir"}
            << QStringList{"frmTemas " + P, "frmAcerca frmTemas " + P, "frmTemas " + P, P, ""};
        QTest::newRow("no al espíritu con la ayuda abierta")
            << QStringList{"mnuTemas", "espiritu", "cuadro frmTemas"}
            << QStringList{"frmTemas " + P, "frmTemas", ""};
        QTest::newRow("Ctrl+X tras cerrar la estadística")
            << QStringList{"estadisticas", "cuadro frmEstadisticas", "Ctrl+X"}
            << QStringList{"frmEstadisticas " + P, P, ""};
    }

    void ordenes() {
        QFETCH(QStringList, pasos);
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
