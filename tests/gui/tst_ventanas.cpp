// The statistics, help and about windows, driven through the calls the main
// window makes, on the offscreen platform.

#include "answer/Velmo.h"
#include "app/Recursos.h"
#include "platform/guion/PlataformaGuion.h"
#include "windows/Ventanas.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace auguron;

namespace {

const QStringList kVentanas = {QStringLiteral("frmEstadisticas"), QStringLiteral("frmTemas"),
                               QStringLiteral("frmAcerca")};
const QString kAsunto = QStringLiteral("Por favor incluya \"Auguron 2.0.1\" como asunto del mensaje");
const QColor kGris(224, 224, 224);
const QColor kBlanco(255, 255, 255);
const QColor kAzul(0, 0, 255);
const QColor kRojo(255, 0, 0);
const QColor kNegro(0, 0, 0);

// Top-level windows of that name, counting those closed but not yet deleted
// unless `soloVisibles`.
QList<QWidget*> ventanas(const QString& nombre, bool soloVisibles = true) {
    QList<QWidget*> r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nombre && (!soloVisibles || w->isVisible())) {
            r << w;
        }
    }
    return r;
}

QWidget* abierta(const QString& nombre) {
    const auto l = ventanas(nombre);
    return l.size() == 1 ? l.first() : nullptr;
}

// A stand-in for the main window: only its new-question button matters here.
struct Principal {
    std::unique_ptr<QWidget> ventana = std::make_unique<QWidget>();
    QPushButton* cmdNuevaPregunta = new QPushButton(QStringLiteral("&Nueva Pregunta"), ventana.get());
    QPushButton* otro = new QPushButton(QStringLiteral("&Salir"), ventana.get());

    Principal() {
        ventana->setGeometry(100, 80, 600, 400);
        cmdNuevaPregunta->setGeometry(10, 10, 120, 30);
        otro->setGeometry(10, 50, 120, 30);
        ventana->show();
        otro->setFocus();
        cmdNuevaPregunta->setEnabled(false); // as the statistics command leaves it
    }
};

struct Sesion {
    PlataformaGuion plataforma;
    AzarGuion azar;
    Velmo velmo{plataforma, azar};

    void cuentas(int truco, int frecuentes, int noValidas, int otras) {
        velmo.estado().CantPregTruco = static_cast<Entero>(truco);
        velmo.estado().CantPregFrecuentes = static_cast<Entero>(frecuentes);
        velmo.estado().CantPregNoValidas = static_cast<Entero>(noValidas);
        velmo.estado().CantOtrasPreguntas = static_cast<Entero>(otras);
    }
};

QString texto(QWidget* w, const char* nombre) {
    auto* l = w->findChild<QLabel*>(QString::fromLatin1(nombre));
    return l != nullptr ? l->text() : QStringLiteral("<falta %1>").arg(QString::fromLatin1(nombre));
}

QStringList numeros(QWidget* w) {
    return {texto(w, "lblCantTruco"), texto(w, "lblCantFrecuentes"), texto(w, "lblCantMalFormuladas"),
            texto(w, "lblCantOtras"), texto(w, "lblCantTotal")};
}

QString familiaEsperada() {
    return QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
               ? QStringLiteral("MS Sans Serif")
               : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

Qt::Alignment horizontal(const QLabel* l) {
    return l->alignment() & Qt::AlignHorizontal_Mask;
}

} // namespace

class tst_Ventanas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { iniciarRecursos(); }
    void cleanup();

    void estadisticasMuestraLasCuentas_data();
    void estadisticasMuestraLasCuentas();
    void estadisticasRotulosYForma();
    void estadisticasAbreCentradaSobreLaPrincipal();
    void estadisticasEsUnaInstantanea();
    void aceptarDevuelveNuevaPreguntaYCierra();
    void aceptarConAltA();
    void cerrarDeOtroModoHabilitaNuevaPregunta();
    void principalDestruidaNoSeToca();

    void temasUnaSolaVentana();
    void temasTextos_data();
    void temasTextos();
    void temasVentana();

    void acercaCierraYVuelveAAbrir();
    void acercaTextos_data();
    void acercaTextos();
    void acercaVentana();

    void cajasDeCorreo();
    void lasTresAbiertasALaVez();
    void todoTextoCabeEnSuControl();
};

void tst_Ventanas::cleanup() {
    for (const QString& nombre : kVentanas) {
        for (QWidget* w : ventanas(nombre)) {
            w->close();
        }
    }
    // Closing deletes them (deferred): nothing of them may be left over.
    QTRY_VERIFY(ventanas(kVentanas[0], false).isEmpty() && ventanas(kVentanas[1], false).isEmpty() &&
                ventanas(kVentanas[2], false).isEmpty());
}

// ---- Statistics window ----------------------------------------------------

void tst_Ventanas::estadisticasMuestraLasCuentas_data() {
    QTest::addColumn<QList<int>>("cuentas");
    QTest::addColumn<QStringList>("esperado");
    QTest::newRow("nada respondido") << QList<int>{0, 0, 0, 0} << QStringList{" 0", " 0", " 0", " 0", " 0"};
    QTest::newRow("2 3 1 4") << QList<int>{2, 3, 1, 4} << QStringList{" 2", " 3", " 1", " 4", " 10"};
    QTest::newRow("total mas alla de 16 bits")
        << QList<int>{32767, 32767, 32767, 32767}
        << QStringList{" 32767", " 32767", " 32767", " 32767", " 131068"};
    QTest::newRow("suma que en 16 bits daria la vuelta")
        << QList<int>{30000, 2767, 1, 0} << QStringList{" 30000", " 2767", " 1", " 0", " 32768"};
    QTest::newRow("cuenta negativa") << QList<int>{0, 5, 0, -3} << QStringList{" 0", " 5", " 0", "-3", " 2"};
    QTest::newRow("total negativo") << QList<int>{-32768, -32768, 0, 0}
                                    << QStringList{"-32768", "-32768", " 0", " 0", "-65536"};
}

void tst_Ventanas::estadisticasMuestraLasCuentas() {
    QFETCH(QList<int>, cuentas);
    QFETCH(QStringList, esperado);
    Sesion s;
    s.cuentas(cuentas[0], cuentas[1], cuentas[2], cuentas[3]);
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QWidget* w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    QCOMPARE(numeros(w), esperado);

    // Right-aligned, ending where the layout puts them, with every digit showing.
    for (const char* nombre :
         {"lblCantTruco", "lblCantFrecuentes", "lblCantMalFormuladas", "lblCantOtras", "lblCantTotal"}) {
        auto* l = w->findChild<QLabel*>(QString::fromLatin1(nombre));
        QVERIFY(l);
        QCOMPARE(horizontal(l), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(l->geometry().right() + 1, 232 + 25);
        QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), nombre);
        QVERIFY2(l->x() >= 48 + 161, nombre); // clear of the row caption
    }
}

void tst_Ventanas::estadisticasRotulosYForma() {
    Sesion s;
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QWidget* w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);

    // The captions come out of the cipher readable.
    QCOMPARE(texto(w, "lblTruco"), QStringLiteral("Preguntas con truco:"));
    QCOMPARE(texto(w, "lblFrecuentes"), QStringLiteral("Preguntas frecuentes:"));
    QCOMPARE(texto(w, "lblMalFormuladas"), QStringLiteral("Preguntas mal formuladas:"));
    QCOMPARE(texto(w, "lblOtras"), QStringLiteral("Otras preguntas:"));
    QCOMPARE(texto(w, "lblTotal"), QStringLiteral("Total de preguntas:"));

    QCOMPARE(w->windowTitle(), QStringLiteral("Estadísticas"));
    QCOMPARE(w->size(), QSize(305, 198));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!w->isModal());
    QCOMPARE(w->parentWidget(), nullptr);

    const struct {
        const char* nombre;
        QRect rect;
    } geometrias[] = {
        {"lblTruco", {48, 16, 161, 17}},         {"lblFrecuentes", {48, 40, 161, 17}},
        {"lblMalFormuladas", {48, 64, 161, 17}}, {"lblOtras", {48, 88, 161, 17}},
        {"lblTotal", {48, 128, 145, 17}},        {"lblCantTruco", {232, 16, 25, 17}},
        {"lblCantOtras", {232, 88, 25, 17}},     {"lblCantTotal", {232, 128, 25, 17}},
    };
    for (const auto& g : geometrias) {
        auto* l = w->findChild<QLabel*>(QString::fromLatin1(g.nombre));
        QVERIFY2(l, g.nombre);
        QCOMPARE(l->geometry(), g.rect);
        QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(l->font().family(), familiaEsperada());
        QCOMPARE(l->font().pointSizeF(), 8.25);
    }
    auto* cmdAceptar = w->findChild<QPushButton*>(QStringLiteral("cmdAceptar"));
    QVERIFY(cmdAceptar);
    QCOMPARE(cmdAceptar->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(cmdAceptar->geometry(), QRect(168, 152, 97, 25));
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_VERIFY(cmdAceptar->hasFocus());

    // Grey background, and the rule between the last row and the total.
    const QImage imagen = w->grab().toImage();
    QCOMPARE(imagen.pixelColor(4, 4), kGris);
    QCOMPARE(imagen.pixelColor(150, 120), kNegro);
    QCOMPARE(imagen.pixelColor(48, 120), kNegro);
    QCOMPARE(imagen.pixelColor(264, 120), kNegro);
    QCOMPARE(imagen.pixelColor(150, 118), kGris);
    QCOMPARE(imagen.pixelColor(150, 122), kGris);
    QCOMPARE(imagen.pixelColor(40, 120), kGris);
    QCOMPARE(imagen.pixelColor(272, 120), kGris);
}

void tst_Ventanas::estadisticasAbreCentradaSobreLaPrincipal() {
    Sesion s;
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QWidget* w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    QVERIFY((w->geometry().center() - p.ventana->geometry().center()).manhattanLength() <= 2);
}

void tst_Ventanas::estadisticasEsUnaInstantanea() {
    Sesion s;
    s.cuentas(1, 1, 1, 1);
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QPointer<QWidget> primera = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(primera);

    // More answers while it is open: the window keeps what it showed, even
    // when shown again, and no second window appears.
    s.cuentas(5, 6, 7, 8);
    QCOMPARE(numeros(primera), (QStringList{" 1", " 1", " 1", " 1", " 4"}));
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QCOMPARE(ventanas(QStringLiteral("frmEstadisticas")).size(), 1);
    QCOMPARE(abierta(QStringLiteral("frmEstadisticas")), primera.data());
    QCOMPARE(numeros(primera), (QStringList{" 1", " 1", " 1", " 1", " 4"}));

    // Closed and opened again: a new window with the numbers of now. Asked for
    // right after the close, before the old one is even deleted.
    primera->close();
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QWidget* segunda = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(segunda);
    QVERIFY(segunda != primera.data());
    QCOMPARE(numeros(segunda), (QStringList{" 5", " 6", " 7", " 8", " 26"}));
    QTRY_VERIFY(primera.isNull());
    QCOMPARE(abierta(QStringLiteral("frmEstadisticas")), segunda);
}

void tst_Ventanas::aceptarDevuelveNuevaPreguntaYCierra() {
    Sesion s;
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QPointer<QWidget> w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(!p.cmdNuevaPregunta->isEnabled());

    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    QVERIFY(p.cmdNuevaPregunta->isEnabled());
    QTRY_VERIFY(w.isNull());
    QTRY_VERIFY(p.cmdNuevaPregunta->hasFocus());
    QCOMPARE(QApplication::activeWindow(), p.ventana.get());
}

void tst_Ventanas::aceptarConAltA() {
    Sesion s;
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QPointer<QWidget> w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(w.isNull());
    QVERIFY(p.cmdNuevaPregunta->isEnabled());
    QTRY_VERIFY(p.cmdNuevaPregunta->hasFocus());
}

void tst_Ventanas::cerrarDeOtroModoHabilitaNuevaPregunta() {
    Sesion s;
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    QPointer<QWidget> w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    QVERIFY(w->close()); // the close box, or the main window closing every window
    QVERIFY(p.cmdNuevaPregunta->isEnabled());
    QTRY_VERIFY(w.isNull());

    // Closing all windows at once, the main window first, as "&Salir" does.
    p.cmdNuevaPregunta->setEnabled(false);
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    w = abierta(QStringLiteral("frmEstadisticas"));
    QVERIFY(w);
    p.ventana->close();
    w->close();
    QVERIFY(p.cmdNuevaPregunta->isEnabled());
    QTRY_VERIFY(w.isNull());
}

void tst_Ventanas::principalDestruidaNoSeToca() {
    // Through its button.
    {
        auto s = std::make_unique<Sesion>();
        auto p = std::make_unique<Principal>();
        mostrarEstadisticas(s->velmo, p->cmdNuevaPregunta);
        QPointer<QWidget> w = abierta(QStringLiteral("frmEstadisticas"));
        QVERIFY(w);
        p.reset();
        s.reset();
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
    }
    // Through the close box.
    {
        Sesion s;
        auto p = std::make_unique<Principal>();
        mostrarEstadisticas(s.velmo, p->cmdNuevaPregunta);
        QPointer<QWidget> w = abierta(QStringLiteral("frmEstadisticas"));
        QVERIFY(w);
        p.reset();
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull());
    }
    // With no main window at all it opens on the screen's centre.
    {
        Sesion s;
        mostrarEstadisticas(s.velmo, nullptr);
        QWidget* w = abierta(QStringLiteral("frmEstadisticas"));
        QVERIFY(w);
        const QPoint centro = w->screen()->availableGeometry().center();
        QVERIFY((w->geometry().center() - centro).manhattanLength() <= 2);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    }
}

// ---- Help window ----------------------------------------------------------

void tst_Ventanas::temasUnaSolaVentana() {
    mostrarTemas();
    QPointer<QWidget> w = abierta(QStringLiteral("frmTemas"));
    QVERIFY(w);
    mostrarTemas();
    QCOMPARE(ventanas(QStringLiteral("frmTemas"), false).size(), 1);
    QCOMPARE(abierta(QStringLiteral("frmTemas")), w.data());

    // Minimised, the menu item brings it back.
    w->showMinimized();
    mostrarTemas();
    QVERIFY(!w->isMinimized());
    QCOMPARE(ventanas(QStringLiteral("frmTemas"), false).size(), 1);

    // Its close control unloads it; the menu item makes a fresh one.
    w->close();
    QTRY_VERIFY(w.isNull());
    mostrarTemas();
    QVERIFY(abierta(QStringLiteral("frmTemas")));
}

struct FilaEtiqueta {
    QString texto;
    QRect rect;
    bool negrita = false;
    bool subrayada = false;
    QColor color = kNegro;
    Qt::Alignment alineacion = Qt::AlignLeft;
};
Q_DECLARE_METATYPE(FilaEtiqueta)

void tst_Ventanas::temasTextos_data() {
    QTest::addColumn<FilaEtiqueta>("fila");
    const auto fila = [](const char* nombre, const QString& t, QRect r, bool negrita = false,
                         QColor color = kNegro) {
        QTest::newRow(nombre) << FilaEtiqueta{t, r, negrita, false, color};
    };
    fila("Label1", QStringLiteral("¿Cómo hacer la petición?"), {16, 16, 153, 17}, true);
    fila("Label2", QStringLiteral("La petición puede hacerse escribiendo:"), {16, 32, 193, 17});
    fila("Label3", QStringLiteral("Velmo, favor de responder esta pregunta:"), {208, 32, 201, 17}, false,
         kAzul);
    fila("Label4", QStringLiteral("o de la forma corta:"), {16, 48, 97, 17});
    fila("Label6", QStringLiteral("Velmo, favor de responder:"), {112, 48, 129, 17}, false, kAzul);
    fila("Label5",
         QStringLiteral(
             "Tener en cuenta que la petición debe finalizar con el signo \" : \"  (dos puntos), de"),
         {16, 64, 385, 17});
    fila("Label7", QStringLiteral("lo contrario no pasará al cuadro siguiente."), {16, 80, 385, 17});
    fila("Label8", QStringLiteral("¿Cómo preguntar?"), {16, 112, 153, 17}, true);
    fila("Label9",
         QStringLiteral("Velmo es capaz de responder cualquier pregunta, siempre y cuando ésta termine"),
         {16, 128, 385, 17});
    fila("Label10", QStringLiteral("con el signo de interrogación (  ?  )."), {16, 144, 393, 17});
    fila("Label11",
         QStringLiteral("No es necesario usar signo de interrogación al principio de la pregunta."),
         {16, 160, 385, 17});
    fila("Label12", QStringLiteral("Cualquier consulta o duda puede comunicarse con:"), {16, 200, 299, 17},
         true, kRojo);
}

// The label of the current data row, in window `w`, as its row says.
void revisarEtiqueta(QWidget* w, const FilaEtiqueta& fila) {
    QVERIFY(w);
    auto* l = w->findChild<QLabel*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(l);
    QCOMPARE(l->text(), fila.texto);
    QCOMPARE(l->textFormat(), Qt::PlainText);
    QCOMPARE(l->geometry(), fila.rect);
    QCOMPARE(l->font().bold(), fila.negrita);
    QCOMPARE(l->font().underline(), fila.subrayada);
    QCOMPARE(l->font().family(), familiaEsperada());
    QCOMPARE(l->font().pointSizeF(), 8.25);
    QCOMPARE(l->palette().color(QPalette::WindowText), fila.color);
    QCOMPARE(horizontal(l), fila.alineacion);
}

void tst_Ventanas::temasTextos() {
    QFETCH(FilaEtiqueta, fila);
    mostrarTemas();
    revisarEtiqueta(abierta(QStringLiteral("frmTemas")), fila);
}

void tst_Ventanas::temasVentana() {
    mostrarTemas();
    QWidget* w = abierta(QStringLiteral("frmTemas"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Temas de Ayuda"));
    QCOMPARE(w->size(), QSize(425, 273));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!w->isModal());
    QCOMPARE(w->parentWidget(), nullptr);
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(w->findChildren<QPushButton*>().isEmpty());
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("txtMail1"))->geometry(), QRect(18, 216, 293, 17));
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("txtMail2"))->geometry(), QRect(18, 232, 293, 17));
    const QPoint centro = w->screen()->availableGeometry().center();
    QVERIFY((w->geometry().center() - centro).manhattanLength() <= 2);
    QCOMPARE(w->grab().toImage().pixelColor(4, 4), kBlanco);
}

// ---- About window ---------------------------------------------------------

void tst_Ventanas::acercaCierraYVuelveAAbrir() {
    mostrarAcerca();
    QPointer<QWidget> w = abierta(QStringLiteral("frmAcerca"));
    QVERIFY(w);
    mostrarAcerca();
    QCOMPARE(ventanas(QStringLiteral("frmAcerca"), false).size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* cmdAceptar = w->findChild<QPushButton*>(QStringLiteral("cmdAceptar"));
    QVERIFY(cmdAceptar);
    QTRY_VERIFY(cmdAceptar->hasFocus());

    QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(w.isNull());

    mostrarAcerca();
    w = abierta(QStringLiteral("frmAcerca"));
    QVERIFY(w);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());

    mostrarAcerca();
    QVERIFY(abierta(QStringLiteral("frmAcerca")));
}

void tst_Ventanas::acercaTextos_data() {
    QTest::addColumn<FilaEtiqueta>("fila");
    const auto fila = [](const char* nombre, const QString& t, QRect r, bool negrita = false,
                         bool subrayada = false, Qt::Alignment alineacion = Qt::AlignLeft) {
        QTest::newRow(nombre) << FilaEtiqueta{t, r, negrita, subrayada, kNegro, alineacion};
    };
    fila("Label1", QStringLiteral("Auguron Versión 2.0.1 para Windows"), {92, 20, 269, 17}, true, false,
         Qt::AlignHCenter);
    fila("Label2", QStringLiteral("Sistema Interactivo de Vagulantes"), {92, 36, 269, 17}, true, false,
         Qt::AlignHCenter);
    fila("Label5", QStringLiteral("Sistema de IA - DB Universal"), {92, 56, 269, 17}, false, false,
         Qt::AlignHCenter);
    fila("Label3", QStringLiteral("Incluye Módulo OUIJA y Llamadas al Averno"), {92, 72, 269, 17}, false,
         false, Qt::AlignHCenter);
    // Inside Frame1: placed from the frame's corner.
    fila("Label7", QStringLiteral("Diseño y programación:"), {8, 36, 117, 17}, false, true);
    fila("Label9", QStringLiteral("Dudas, consultas, sugerencias:"), {8, 70, 153, 17}, false, true);
}

void tst_Ventanas::acercaTextos() {
    QFETCH(FilaEtiqueta, fila);
    mostrarAcerca();
    revisarEtiqueta(abierta(QStringLiteral("frmAcerca")), fila);
}

void tst_Ventanas::acercaVentana() {
    mostrarAcerca();
    QWidget* w = abierta(QStringLiteral("frmAcerca"));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Acerca de Auguron"));
    QCOMPARE(w->size(), QSize(389, 255));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w->isModal());
    QCOMPARE(w->parentWidget(), nullptr);
    QVERIFY(!w->windowIcon().isNull());
    const QPoint centro = w->screen()->availableGeometry().center();
    QVERIFY((w->geometry().center() - centro).manhattanLength() <= 2);
    QCOMPARE(w->grab().toImage().pixelColor(4, 4), kGris);

    auto* cmdAceptar = w->findChild<QPushButton*>(QStringLiteral("cmdAceptar"));
    QVERIFY(cmdAceptar);
    QCOMPARE(cmdAceptar->text(), QStringLiteral("&Cerrar"));
    QCOMPARE(cmdAceptar->geometry(), QRect(264, 206, 97, 25));

    auto* frame = w->findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), QRect(24, 96, 337, 99));
    for (const char* nombre : {"Label6", "Label7", "Label4", "txtMail1", "Label9", "txtMail2"}) {
        auto* hijo = w->findChild<QWidget*>(QString::fromLatin1(nombre));
        QVERIFY2(hijo && hijo->parentWidget() == frame, nombre);
    }
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("Label6"))->geometry(), QRect(8, 16, 277, 17));
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("Label4"))->geometry(), QRect(8, 50, 113, 17));
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("txtMail1"))->geometry(), QRect(162, 50, 155, 19));
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("txtMail2"))->geometry(), QRect(162, 70, 157, 19));
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("Label8"))->geometry(), QRect(24, 212, 145, 17));
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("Label6"))->font().bold());

    // The lines that are ours to write are there, and the logo in its box.
    for (const char* nombre : {"Label6", "Label4", "Label8"}) {
        QVERIFY2(!texto(w, nombre).trimmed().isEmpty(), nombre);
    }
    auto* Picture1 = w->findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(Picture1);
    QCOMPARE(Picture1->geometry(), QRect(24, 20, 67, 67));
    QCOMPARE(Picture1->pixmap().size(), QSize(65, 65));
}

// ---- Both ------------------------------------------------------------------

void tst_Ventanas::cajasDeCorreo() {
    mostrarTemas();
    mostrarAcerca();
    QWidget* temas = abierta(QStringLiteral("frmTemas"));
    QWidget* acerca = abierta(QStringLiteral("frmAcerca"));
    QVERIFY(temas && acerca);

    QStringList direcciones;
    for (QWidget* w : {temas, acerca}) {
        const QColor fondo = w == temas ? kBlanco : kGris;
        for (const char* nombre : {"txtMail1", "txtMail2"}) {
            auto* t = w->findChild<QLineEdit*>(QString::fromLatin1(nombre));
            QVERIFY2(t, nombre);
            QCOMPARE(t->toolTip(), kAsunto);
            QVERIFY(t->isReadOnly());
            QCOMPARE(t->palette().color(QPalette::Text), kAzul);
            QCOMPARE(t->palette().color(QPalette::Base), fondo);
            QVERIFY2(t->text().endsWith(QStringLiteral(".example")), qPrintable(t->text()));
            QCOMPARE(t->text().count(QLatin1Char('@')), 1);
            direcciones << t->text();
        }
    }
    // The same designer and the same contact in both windows, and two different people.
    QCOMPARE(direcciones[0], direcciones[2]);
    QCOMPARE(direcciones[1], direcciones[3]);
    QVERIFY(direcciones[0] != direcciones[1]);

    // Typing leaves them as they are.
    auto* t = temas->findChild<QLineEdit*>(QStringLiteral("txtMail1"));
    const QString antes = t->text();
    QTest::keyClicks(t, QStringLiteral("xyz"));
    QTest::keyClick(t, Qt::Key_Backspace);
    QCOMPARE(t->text(), antes);
}

void tst_Ventanas::lasTresAbiertasALaVez() {
    Sesion s;
    Principal p;
    mostrarTemas();
    mostrarAcerca();
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    for (const QString& nombre : kVentanas) {
        QVERIFY2(abierta(nombre), qPrintable(nombre));
    }
    QVERIFY(p.ventana->isVisible());
    mostrarTemas();
    mostrarAcerca();
    for (const QString& nombre : kVentanas) {
        QCOMPARE(ventanas(nombre, false).size(), 1);
    }
}

void tst_Ventanas::todoTextoCabeEnSuControl() {
    Sesion s;
    s.cuentas(32767, -32768, 32767, 32767);
    Principal p;
    mostrarEstadisticas(s.velmo, p.cmdNuevaPregunta);
    mostrarTemas();
    mostrarAcerca();
    int etiquetas = 0;
    for (const QString& nombre : kVentanas) {
        QWidget* w = abierta(nombre);
        QVERIFY(w);
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l->text().isEmpty()) {
                continue; // the logo
            }
            ++etiquetas;
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(l->text()) <= l->width(),
                     qPrintable(nombre + QLatin1Char('.') + l->objectName()));
            QVERIFY2(fm.height() <= l->height() + 1, qPrintable(nombre + QLatin1Char('.') + l->objectName()));
            QVERIFY(qAbs(l->font().pointSizeF() - 8.25) < 0.01);
        }
        // Where the font had to be narrowed, the whole window was, alike.
        QSet<int> estiramientos;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(c) || qobject_cast<QLineEdit*>(c)) {
                estiramientos << c->font().stretch();
            }
        }
        QVERIFY2(estiramientos.size() == 1, qPrintable(nombre));
        for (QLineEdit* t : w->findChildren<QLineEdit*>()) {
            // A frameless box keeps 2 pixels clear on each side of its text.
            QVERIFY2(QFontMetrics(t->font()).horizontalAdvance(t->text()) + 4 <= t->width(),
                     qPrintable(nombre + QLatin1Char('.') + t->objectName()));
        }
    }
    QCOMPARE(etiquetas, 10 + 12 + 9);
}

QTEST_MAIN(tst_Ventanas)
#include "tst_ventanas.moc"
