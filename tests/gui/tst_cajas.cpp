// The petition and question boxes: text enters only as typed characters
// through the key handlers, the caret stays at the end, nothing is pasted,
// dropped or undone, and the clipboard is emptied when a box gets the focus.

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

using namespace auguron;
using namespace auguron::prueba;

class PruebaCajas : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_p = abrir();
        m_peticion = m_p.ventana->findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
        m_pregunta = m_p.ventana->findChild<QLineEdit*>(QStringLiteral("txtPregunta"));
    }
    void cleanup() { cerrarTodo(); }

    void cadaTeclaPasaPorElManejador();
    void laCapturaMuestraLaFrase();
    void retrocesoBorraElUltimo();
    void elCursorSiempreAlFinal();
    void nadaSePega_data();
    void nadaSePega();
    void arrastrarYSoltarNoInserta();
    void sinMenuContextual();
    void entradaDeMetodoPasaPorElManejador();
    void loQueNoCabeSeIgnora_data();
    void loQueNoCabeSeIgnora();
    void teclasDeControlLleganAlManejador();
    void portapapelesVaciadoAlEnfocar();

private:
    EstadoSesion& estado() { return m_p.ventana->velmo().estado(); }
    Prueba m_p;
    QLineEdit* m_peticion = nullptr;
    QLineEdit* m_pregunta = nullptr;
};

void PruebaCajas::cadaTeclaPasaPorElManejador() {
    // The handler capitalises the first key of the petition.
    escribir(m_peticion, QStringLiteral("velmo"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Velmo"));
    QCOMPARE(estado().PosPeticion, Entero{6});
    QCOMPARE(estado().EstadoTruco, Entero{0});
    // The colon opens the question box and moves the focus there.
    QTest::keyClick(m_peticion, Qt::Key_Colon, Qt::NoModifier);
    QVERIFY(m_pregunta->isEnabled());
    QCOMPARE(QApplication::focusWidget(), m_pregunta);
    QCOMPARE(m_pregunta->palette().color(QPalette::Active, QPalette::Base), PlataformaQt::colorSistema());
    escribir(m_pregunta, QStringLiteral("ñu"));
    QCOMPARE(m_pregunta->text(), QStringLiteral("Ñu"));
}

void PruebaCajas::laCapturaMuestraLaFrase() {
    escribir(m_peticion, QStringLiteral(".no.o, favor de responder"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Velmo, favor de responder"));
    QCOMPARE(estado().Respuesta, std::string("no"));
    QCOMPARE(estado().EstadoTruco, Entero{2});
}

void PruebaCajas::retrocesoBorraElUltimo() {
    escribir(m_peticion, QStringLiteral(".sí"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Vel"));
    QTest::keyClick(m_peticion, Qt::Key_Backspace);
    QCOMPARE(m_peticion->text(), QStringLiteral("Ve"));
    QCOMPARE(estado().Respuesta, std::string("s"));
}

void PruebaCajas::elCursorSiempreAlFinal() {
    escribir(m_peticion, QStringLiteral("abc"));
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete}) {
        QTest::keyClick(m_peticion, k);
    }
    QTest::keyClick(m_peticion, Qt::Key_Left, Qt::ShiftModifier); // no selection either
    QCOMPARE(m_peticion->text(), QStringLiteral("Abc"));
    QCOMPARE(estado().PosPeticion, Entero{4}); // keys without a character never reach the handler
    escribir(m_peticion, QStringLiteral("d"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Abcd"));
    QCOMPARE(m_peticion->cursorPosition(), 4);
    QVERIFY(!m_peticion->hasSelectedText());
    // A click in the middle of the text moves nothing either.
    QTest::mouseClick(m_peticion, Qt::LeftButton, Qt::NoModifier, QPoint(8, m_peticion->height() / 2));
    QTest::mouseDClick(m_peticion, Qt::LeftButton, Qt::NoModifier, QPoint(8, m_peticion->height() / 2));
    QCOMPARE(m_peticion->cursorPosition(), 4);
    QVERIFY(!m_peticion->hasSelectedText());
}

void PruebaCajas::nadaSePega_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<int>("boton");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 0;
    QTest::newRow("Mayús+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << 0;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 0;
    QTest::newRow("clic central") << 0 << 0 << int(Qt::MiddleButton);
}

void PruebaCajas::nadaSePega() {
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(int, boton);
    escribir(m_peticion, QStringLiteral("hola"));
    // Text copied after the box got the focus.
    QApplication::clipboard()->setText(QStringLiteral("pegado"));
    if (QApplication::clipboard()->supportsSelection()) {
        QApplication::clipboard()->setText(QStringLiteral("pegado"), QClipboard::Selection);
    }
    if (boton != 0) {
        QTest::mouseClick(m_peticion, Qt::MouseButton(boton));
    } else {
        QTest::keyClick(m_peticion, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    }
    QCOMPARE(m_peticion->text(), QStringLiteral("Hola"));
    QCOMPARE(estado().Respuesta, std::string());
}

void PruebaCajas::arrastrarYSoltarNoInserta() {
    QMimeData datos;
    datos.setText(QStringLiteral("soltado"));
    const QPoint punto(10, 10);
    QDragEnterEvent entrar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_peticion, &entrar);
    QDropEvent soltar(QPointF(punto), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_peticion, &soltar);
    QCOMPARE(m_peticion->text(), QString());
    QVERIFY(!m_peticion->acceptDrops());
}

void PruebaCajas::sinMenuContextual() {
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), m_peticion->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_peticion, &e);
    QApplication::processEvents();
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void PruebaCajas::entradaDeMetodoPasaPorElManejador() {
    // A whole commit goes through the handler one character at a time: the
    // first is capitalised, and a full stop inside it starts the capture.
    QInputMethodEvent preedicion(QStringLiteral("v"), {});
    QApplication::sendEvent(m_peticion, &preedicion);
    QCOMPARE(m_peticion->text(), QString()); // nothing half-composed enters
    QInputMethodEvent e;
    e.setCommitString(QStringLiteral("velmo.é"));
    QApplication::sendEvent(m_peticion, &e);
    QCOMPARE(m_peticion->text(), QStringLiteral("Velmo, "));
    QCOMPARE(estado().Respuesta, std::string("\xE9"));
    QCOMPARE(estado().PosPeticion, Entero{8});
}

void PruebaCajas::loQueNoCabeSeIgnora_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("porMetodoDeEntrada");
    QTest::newRow("emoji tecleado") << QStringLiteral("😀") << false;
    QTest::newRow("chino tecleado") << QStringLiteral("中") << false;
    QTest::newRow("emoji por método de entrada") << QStringLiteral("😀") << true;
    QTest::newRow("letra ajena por método de entrada") << QStringLiteral("ă") << true;
}

void PruebaCajas::loQueNoCabeSeIgnora() {
    QFETCH(QString, texto);
    QFETCH(bool, porMetodoDeEntrada);
    escribir(m_peticion, QStringLiteral("."));
    const QString antes = m_peticion->text();
    if (porMetodoDeEntrada) {
        QInputMethodEvent e;
        e.setCommitString(texto);
        QApplication::sendEvent(m_peticion, &e);
    } else {
        QKeyEvent pulsar(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texto);
        QApplication::sendEvent(m_peticion, &pulsar);
    }
    // Neither shown nor captured, and the petition position did not move.
    QCOMPARE(m_peticion->text(), antes);
    QCOMPARE(estado().Respuesta, std::string());
    QCOMPARE(estado().PosPeticion, Entero{2});
    QVERIFY(!m_peticion->text().contains(QLatin1Char('?')));
}

void PruebaCajas::teclasDeControlLleganAlManejador() {
    // During the capture a control key is captured as its code and shows the
    // next phrase character, as the handler decides; the box inserts nothing
    // for a code below 32 itself.
    escribir(m_peticion, QStringLiteral("."));
    QTest::keyClick(m_peticion, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_peticion, Qt::Key_Return);
    QCOMPARE(estado().Respuesta, std::string("\x01\x0D"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Vel"));
    QVERIFY(!m_peticion->hasSelectedText());
}

void PruebaCajas::portapapelesVaciadoAlEnfocar() {
    QClipboard* portapapeles = QApplication::clipboard();
    escribir(m_peticion, QStringLiteral("Velmo"));
    portapapeles->setText(QStringLiteral("secreto"));
    QTest::keyClick(m_peticion, Qt::Key_Colon);
    QCOMPARE(QApplication::focusWidget(), m_pregunta);
    QVERIFY(portapapeles->text().isEmpty());
    QVERIFY(portapapeles->mimeData() == nullptr || portapapeles->mimeData()->formats().isEmpty());

    // Back to the petition box with Shift+Tab: emptied again.
    portapapeles->setText(QStringLiteral("otro"));
    QTest::keyClick(m_pregunta, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), m_peticion);
    QVERIFY(portapapeles->text().isEmpty());
}

QTEST_MAIN(PruebaCajas)
#include "tst_cajas.moc"
