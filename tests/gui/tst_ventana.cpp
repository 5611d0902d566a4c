// The main window as designed: controls, colours, fonts, tab order, menus,
// timers and the logo, right after the load.

#include "apoyo/PlataformaPrueba.h"

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace auguron;
using namespace auguron::prueba;

class PruebaVentana : public QObject {
    Q_OBJECT

private slots:
    void init() { m_p = abrir(); }
    void cleanup() { cerrarTodo(); }

    void ventana();
    void controles_data();
    void controles();
    void coloresYFuentes();
    void ordenDeTabulacion();
    void menus_data();
    void menus();
    void temporizadores();
    void logoEIcono();

private:
    template <class T> T* hijo(const char* nombre) {
        return m_p.ventana->findChild<T*>(QLatin1String(nombre));
    }
    Prueba m_p;
};

void PruebaVentana::ventana() {
    QVERIFY(m_p.ventana);
    QCOMPARE(m_p.ventana->objectName(), QStringLiteral("frmVelmo"));
    QCOMPARE(m_p.ventana->windowTitle(), QStringLiteral("Auguron - Sistema Interactivo de Vagulantes"));
    // Client area 11880 x 8190 twips, the menu bar above it.
    QWidget* cliente = m_p.ventana->centralWidget();
    QCOMPARE(cliente->size(), QSize(792, 546));
    QCOMPARE(cliente->palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(cliente->autoFillBackground());
    QCOMPARE(m_p.ventana->height(), 546 + m_p.ventana->menuBar()->height());
}

void PruebaVentana::controles_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("ayuda");
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QRect>("geometria");

    // Positions are the design's twips divided by 15; cmdFocus has been moved
    // onto the corner of the question box by the load.
    QTest::newRow("lblPeticion") << "lblPeticion"
                                 << "Ingrese la petición:"
                                 << "" << true << true << QRect(104, 112, 177, 25);
    QTest::newRow("txtPeticion") << "txtPeticion"
                                 << ""
                                 << "La petición debe finalizar con \":\" (dos puntos)" << true << true
                                 << QRect(288, 112, 361, 28);
    QTest::newRow("lblPregunta") << "lblPregunta"
                                 << "Ingrese la pregunta:"
                                 << "" << true << true << QRect(104, 160, 177, 25);
    QTest::newRow("txtPregunta") << "txtPregunta"
                                 << ""
                                 << "La pregunta debe finalizar con el signo \"?\"" << false << true
                                 << QRect(288, 160, 361, 28);
    QTest::newRow("lblRespuesta") << "lblRespuesta"
                                  << ""
                                  << "" << true << true << QRect(104, 200, 585, 105);
    QTest::newRow("cmdFocus") << "cmdFocus"
                              << ""
                              << "" << true << true << QRect(288, 160, 19, 21);
    QTest::newRow("cmdNuevaPregunta") << "cmdNuevaPregunta"
                                      << "&Nueva Pregunta"
                                      << "" << true << true << QRect(104, 312, 129, 25);
    QTest::newRow("cmdSalir") << "cmdSalir"
                              << "&Salir"
                              << "" << true << true << QRect(520, 312, 129, 25);
    QTest::newRow("lblInfo") << "lblInfo"
                             << "Buscando Vagulantes..."
                             << "" << true << true << QRect(488, 496, 289, 25);
    QTest::newRow("pctLogo") << "pctLogo"
                             << ""
                             << "" << true << false << QRect(688, 112, 67, 67);
}

void PruebaVentana::controles() {
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(QString, ayuda);
    QFETCH(bool, habilitado);
    QFETCH(bool, visible);
    QFETCH(QRect, geometria);

    QWidget* w = m_p.ventana->findChild<QWidget*>(nombre);
    QVERIFY2(w, qPrintable(nombre));
    QString actual;
    if (auto* l = qobject_cast<QLabel*>(w)) {
        actual = l->text();
        QCOMPARE(l->textFormat(), Qt::PlainText);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        actual = e->text();
    } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        actual = b->text();
    }
    QCOMPARE(actual, texto);
    QCOMPARE(w->toolTip(), ayuda);
    QCOMPARE(w->isEnabled(), habilitado);
    QCOMPARE(!w->isHidden(), visible);
    QCOMPARE(w->geometry(), geometria);
}

void PruebaVentana::coloresYFuentes() {
    const auto texto = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
    QCOMPARE(texto(hijo<QLabel>("lblPeticion")), QColor(0, 0, 0));
    QCOMPARE(texto(hijo<QLabel>("lblPregunta")), QColor(0, 0, 0));
    QCOMPARE(texto(hijo<QLabel>("lblRespuesta")), QColor(0, 0, 192));
    QCOMPARE(texto(hijo<QLabel>("lblInfo")), QColor(128, 128, 128));
    QVERIFY(hijo<QLabel>("lblRespuesta")->wordWrap());

    // The petition box in the system window colour, the question box grey,
    // also while disabled.
    auto* txtPeticion = hijo<QLineEdit>("txtPeticion");
    auto* txtPregunta = hijo<QLineEdit>("txtPregunta");
    QCOMPARE(txtPeticion->palette().color(QPalette::Active, QPalette::Base), PlataformaQt::colorSistema());
    QCOMPARE(txtPregunta->palette().color(QPalette::Disabled, QPalette::Base), QColor(224, 224, 224));

    for (const char* nombre :
         {"lblPeticion", "txtPeticion", "lblPregunta", "txtPregunta", "lblRespuesta", "lblInfo"}) {
        const QFont f = hijo<QWidget>(nombre)->font();
        QCOMPARE(f.pointSizeF(), 13.5);
        QCOMPARE(f.family(), frmVelmo::fuente().family());
    }
    // Whatever font the platform gave, the fixed captions are not cut off.
    for (const char* nombre : {"lblPeticion", "lblPregunta", "lblInfo"}) {
        auto* l = hijo<QLabel>(nombre);
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), nombre);
    }
    auto* lblInfo = hijo<QLabel>("lblInfo");
    QVERIFY(lblInfo->fontMetrics().horizontalAdvance(QStringLiteral("Conectando Vagulantes...")) <=
            lblInfo->width());
}

void PruebaVentana::ordenDeTabulacion() {
    QStringList orden;
    QWidget* w = hijo<QWidget>("txtPeticion");
    for (int i = 0; i < 5; ++i) {
        orden << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(m_p.ventana));
    }
    QCOMPARE(orden, (QStringList{"txtPeticion", "txtPregunta", "cmdFocus", "cmdNuevaPregunta", "cmdSalir"}));
    QCOMPARE(hijo<QLabel>("lblInfo")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(hijo<QLabel>("pctLogo")->focusPolicy(), Qt::NoFocus);
}

void PruebaVentana::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QStringList>("atajos");
    QTest::newRow("Archivo") << "mnuArchivo"
                             << "Archivo"
                             << QStringList{"mnuNuevaPregunta", "mnuLeerOracion", "mnuVerImagen",
                                            "mnuSeparador1", "mnuSalir"}
                             << QStringList{"Nueva Pregunta", "Leer Oración", "Ver Imagen", "", "Salir"}
                             << QStringList{"F2", "F3", "F4", "", "Ctrl+X"};
    QTest::newRow("Ayuda") << "mnuAyuda"
                           << "Ayuda" << QStringList{"mnuTemas", "mnuSeparador2", "mnuAcerca"}
                           << QStringList{"Temas de Ayuda", "", "Acerca de Auguron"}
                           << QStringList{"F1", "", ""};
}

void PruebaVentana::menus() {
    QFETCH(QString, menu);
    QFETCH(QString, titulo);
    QFETCH(QStringList, items);
    QFETCH(QStringList, textos);
    QFETCH(QStringList, atajos);
    auto* m = m_p.ventana->menuBar()->findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), titulo);
    QStringList nombres, leidos, teclas;
    for (const QAction* a : m->actions()) {
        nombres << a->objectName();
        leidos << a->text();
        teclas << a->shortcut().toString(QKeySequence::PortableText);
        QCOMPARE(a->isSeparator(), a->objectName().startsWith(QStringLiteral("mnuSeparador")));
    }
    QCOMPARE(nombres, items);
    QCOMPARE(leidos, textos);
    QCOMPARE(teclas, atajos);
}

void PruebaVentana::temporizadores() {
    auto* tmrFocus = hijo<QTimer>("tmrFocus");
    auto* tmrSuspenso = hijo<QTimer>("tmrSuspenso");
    auto* tmrMensaje = hijo<QTimer>("tmrMensaje");
    QVERIFY(tmrFocus && tmrSuspenso && tmrMensaje);
    for (const QTimer* t : {tmrFocus, tmrSuspenso, tmrMensaje}) {
        QCOMPARE(t->timerType(), Qt::PreciseTimer);
    }
    PlataformaQt& p = m_p.ventana->plataforma();
    QVERIFY(!p.temporizadorHabilitado(Temporizador::tmrFocus));
    QCOMPARE(p.intervalo(Temporizador::tmrFocus), 0);
    QVERIFY(!tmrFocus->isActive());
    QVERIFY(p.temporizadorHabilitado(Temporizador::tmrSuspenso));
    QCOMPARE(p.intervalo(Temporizador::tmrSuspenso), 0);
    QVERIFY(!tmrSuspenso->isActive());
    // tmrMensaje runs from the load on, with the drawn interval.
    QVERIFY(p.temporizadorHabilitado(Temporizador::tmrMensaje));
    QCOMPARE(tmrMensaje->interval(), 5000);
    QVERIFY(tmrMensaje->isActive());
}

void PruebaVentana::logoEIcono() {
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader lector(QStringLiteral(":/imagenes/logo.jpg"));
    QCOMPARE(lector.format(), QByteArray("jpeg"));
    QCOMPARE(lector.read().size(), QSize(65, 65));
    const QPixmap logo = hijo<QLabel>("pctLogo")->pixmap();
    QCOMPARE(logo.size(), QSize(65, 65));
    QCOMPARE(QImage(QStringLiteral(":/imagenes/auguron.png")).size(), QSize(256, 256));
    QVERIFY(!m_p.ventana->windowIcon().isNull());
    QVERIFY(m_p.ventana->windowIcon().availableSizes().contains(QSize(16, 16)));
}

QTEST_MAIN(PruebaVentana)
#include "tst_ventana.moc"
