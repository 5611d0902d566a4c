// The real boxes and windows keep what the user types and behave like desktop
// windows: one input-method commit answers once, the menus leave the clipboard
// alone, Escape closes help and about, the main window keeps its size and
// shows the whole long petition, and a Spanish sentence gets a Spanish date.

#include "answer/Velmo.h"
#include "app/CajaTexto.h"
#include "app/frmVelmo.h"
#include "platform/qt/PlataformaQt.h"
#include "windows/Ventanas.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace auguron;

class PruebaEntrada : public QObject {
    Q_OBJECT

    static QWidget* ventana(const QString& nombre) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == nombre && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }

private slots:
    void unaConfirmacionDeVariosCaracteresRespondeUnaVez() {
        CajaTexto caja;
        int preguntas = 0;
        caja.alTeclear = [&](int& k) {
            if (k == '?') {
                ++preguntas;
                caja.setEnabled(false); // the reveal locks the box
            }
        };
        QInputMethodEvent e;
        e.setCommitString(QStringLiteral("??"));
        QApplication::sendEvent(&caja, &e);
        QCOMPARE(preguntas, 1);
        QCOMPARE(caja.text(), QStringLiteral("?"));
    }

    void elFocoQueVuelveDeUnMenuNoVaciaElPortapapeles() {
        CajaTexto caja;
        int vaciados = 0;
        caja.alEnfocar = [&] { ++vaciados; };
        for (const Qt::FocusReason razon : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent e(QEvent::FocusIn, razon);
            QApplication::sendEvent(&caja, &e);
        }
        QCOMPARE(vaciados, 0);
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&caja, &tab);
        QCOMPARE(vaciados, 1);
    }

    void escapeCierraAyudaYAcercaDe() {
        mostrarTemas();
        mostrarAcerca();
        for (const QString& nombre : {QStringLiteral("frmTemas"), QStringLiteral("frmAcerca")}) {
            QPointer<QWidget> v = ventana(nombre);
            QVERIFY(v && v->isVisible());
            v->activateWindow();
            QTRY_VERIFY(v->isActiveWindow());
            QTest::keyClick(v, Qt::Key_Escape);
            QTRY_VERIFY(!v); // closed, and freed
        }
    }

    void laVentanaPrincipalConservaSuTamanoYMuestraLaPeticionLarga() {
        frmVelmo principal;
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        QCOMPARE(principal.minimumSize(), principal.maximumSize());
        QVERIFY(!(principal.windowFlags() & Qt::WindowMaximizeButtonHint));

        principal.velmo().fncInicializar(); // a new petition, without the start-up boxes
        auto* peticion = principal.findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
        const QString larga = QStringLiteral("Velmo, favor de responder esta pregunta:");
        for (const QChar c : larga) {
            QTest::keyClick(peticion, c.toLatin1());
        }
        QCOMPARE(peticion->text(), larga);
        // Nothing scrolled out of sight on the left: the first letter is drawn
        // where an empty box would put its caret.
        const auto cursor = [peticion] { return peticion->inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
        QVERIFY(cursor().right() < peticion->width());
        peticion->setCursorPosition(0);
        const int primera = cursor().left();
        peticion->setText(QString());
        QCOMPARE(cursor().left(), primera);
    }

    void laFechaLargaEsCastellanaAunqueElSistemaNoLoSea() {
        PlataformaQt p;
        const auto dia = std::chrono::sys_days{std::chrono::year{2026} / 12 / 6};
        QCOMPARE(QString::fromLatin1(p.fechaLarga(dia)), QStringLiteral("domingo, 6 de diciembre de 2026"));
    }

    void acercaDeNombraElSistemaParaElQueSeCompilo() {
        mostrarAcerca();
        QWidget* acerca = ventana(QStringLiteral("frmAcerca"));
        QVERIFY(acerca);
        const QString titulo = acerca->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        QVERIFY(titulo.startsWith(QStringLiteral("Auguron Versión ")));
        QVERIFY(!titulo.contains(QStringLiteral("Windows")));
        acerca->close();
    }
};

QTEST_MAIN(PruebaEntrada)
#include "tst_entrada.moc"
