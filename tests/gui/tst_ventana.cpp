// The main window in use: the trick typed into the real boxes, boxes that take
// typed keys only, and the Qt side of the platform (message boxes, timers,
// Windows-1252 text).

#include "Base.h"

#include "answer/Velmo.h"
#include "platform/qt/Ansi1252.h"
#include "platform/qt/Estilo.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <numeric>
#include <tuple>

using namespace auguron;
using namespace auguron::prueba;

class PruebaVentana : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { cerrarTodo(); }

    // The hidden answer typed behind the phrase, revealed as the answer; the
    // focus waits two seconds on the answer, which a screen reader reads,
    // then moves to "Nueva Pregunta"; F2 starts over.
    void trucoDeExtremoAExtremo() {
        Principal v = abrir();
        auto* peticion = v.hijo<QLineEdit>("txtPeticion");
        auto* pregunta = v.hijo<QLineEdit>("txtPregunta");
        QTRY_COMPARE(QApplication::focusWidget(), peticion);
        escribir(peticion, QStringLiteral(".sí.o, favor de responder:"));
        QCOMPARE(peticion->text(), QStringLiteral("Velmo, favor de responder:"));
        QCOMPARE(QApplication::focusWidget(), pregunta);
        escribir(pregunta, QStringLiteral("¿lloverá mañana"));
        // An input method may commit several characters at once: the first
        // "?" answers, the reveal locks the box, and the rest is dropped.
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("??"));
        QApplication::sendEvent(pregunta, &commit);
        const QString respuesta = QStringLiteral("Velmo responde: Sí.");
        QCOMPARE(v.hijo<QLabel>("lblRespuesta")->text(), respuesta);
        QCOMPARE(v.w->velmo().estado().CantPregTruco, 1);
        QVERIFY(!peticion->isEnabled() && !pregunta->isEnabled());
        auto* foco = v.hijo<QPushButton>("cmdFocus");
        QCOMPARE(QApplication::focusWidget(), foco);
        QAccessibleInterface* leida = QAccessible::queryAccessibleInterface(foco);
        QCOMPARE(leida->text(QAccessible::Name), respuesta);
        QVERIFY(leida->state().focusable && leida->state().focused); // so a screen reader announces it
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), v.hijo("cmdNuevaPregunta"), 4000);

        v.azar->poner({2}); // no soul found
        QTest::keyClick(v.w, Qt::Key_F2);
        QVERIFY(peticion->isEnabled() && peticion->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), peticion);
    }

    // The keyboard alone, without a window manager: the window opens centred;
    // Tab skips the hidden answer button; F10, Alt+A and Alt+Y open the menus
    // even from a box (which takes no letter for them), F3 and F4 work there;
    // after a message box or the help window the keys go to the main window again.
    void conElTecladoSolo() {
        Principal v = abrir();
        QCOMPARE(v.w->geometry().center(), v.w->screen()->availableGeometry().center());
        auto* peticion = v.hijo<QLineEdit>("txtPeticion");
        QTRY_COMPARE(QApplication::focusWidget(), peticion);
        QTest::keyClick(peticion, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), v.hijo("cmdNuevaPregunta"));
        peticion->setFocus();
        for (const auto& [tecla, mods, menu] : {std::tuple{Qt::Key_F10, Qt::NoModifier, "mnuArchivo"},
                                                {Qt::Key_A, Qt::AltModifier, "mnuArchivo"},
                                                {Qt::Key_Y, Qt::AltModifier, "mnuAyuda"}}) {
            QTest::keyClick(QApplication::focusWidget(), tecla, mods);
            QTRY_COMPARE(QApplication::activePopupWidget(), v.hijo(menu));
            QCOMPARE(v.hijo<QMenu>(menu)->activeAction(), v.hijo<QMenu>(menu)->actions().value(0));
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // leaves the menu bar
        }
        QCOMPARE(QApplication::focusWidget(), peticion);
        QVERIFY(peticion->text().isEmpty());
        // F3 reads the menu's prayer; F4 shows the logo, then hides it.
        v.p->guion.respuestas = {Boton::Cancelar};
        QTest::keyClick(peticion, Qt::Key_F3);
        QVERIFY(
            ansi1252::aQString(v.p->guion.cajas.back().texto).startsWith(QStringLiteral("Tomarse de manos")));
        for (const auto& [visible, rotulo] : {std::pair{true, "Ocultar Imagen"}, {false, "Ver Imagen"}}) {
            QTest::keyClick(peticion, Qt::Key_F4);
            QCOMPARE(v.hijo("pctLogo")->isVisible(), visible);
            QCOMPARE(v.hijo<QAction>("mnuVerImagen")->text(), QLatin1String(rotulo));
        }

        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        v.p->PlataformaQt::mensaje("a", "t", Botones::Aceptar);
        QTRY_COMPARE(QApplication::activeWindow(), v.w.data());
        QTest::keyClick(peticion, Qt::Key_F1); // and after a window of its own
        QTRY_COMPARE(QApplication::activeWindow()->objectName(), QStringLiteral("frmTemas"));
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
        asentar();
        QTRY_COMPARE(QApplication::activeWindow(), v.w.data());
    }

    // Nothing but typed characters enters a box: no paste by any route, no
    // undo, no caret move, nothing outside the code page. And the clipboard
    // is the user's: entering a box leaves it, and the selection, as they were.
    void lasCajasSoloTomanTeclas() {
        Principal v = abrir();
        auto* peticion = v.hijo<QLineEdit>("txtPeticion");
        QClipboard* portapapeles = QApplication::clipboard();
        const auto copiar = [portapapeles] {
            portapapeles->setText(QStringLiteral("pegado"));
            if (portapapeles->supportsSelection()) {
                portapapeles->setText(QStringLiteral("elegido"), QClipboard::Selection);
            }
        };
        copiar();
        const std::pair<Qt::Key, Qt::KeyboardModifiers> gestos[] = {{Qt::Key_V, Qt::ControlModifier},
                                                                    {Qt::Key_Insert, Qt::ShiftModifier},
                                                                    {Qt::Key_Z, Qt::ControlModifier},
                                                                    {Qt::Key_Left, {}},
                                                                    {Qt::Key_Home, {}},
                                                                    {Qt::Key_Delete, {}}};
        escribir(peticion, QStringLiteral("ab"));
        for (const auto& [tecla, mods] : gestos) {
            QTest::keyClick(peticion, tecla, mods);
        }
        QTest::mouseClick(peticion, Qt::MiddleButton);
        QMimeData arrastrado;
        arrastrado.setText(QStringLiteral("soltado"));
        QDropEvent soltar(QPointF(5, 5), Qt::CopyAction, &arrastrado, Qt::LeftButton, {});
        QApplication::sendEvent(peticion, &soltar);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), peticion->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(peticion, &menu);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        escribir(peticion, QStringLiteral("中c"));
        QCOMPARE(peticion->text(), QStringLiteral("Abc"));
        QCOMPARE(v.w->velmo().estado().PosPeticion, 4);

        for (const char* caja : {"txtPeticion", "txtPregunta"}) {
            auto* c = v.hijo<QLineEdit>(caja);
            c->setEnabled(true);
            v.hijo("cmdSalir")->setFocus(Qt::TabFocusReason);
            c->setFocus(Qt::TabFocusReason);
            QTest::mouseClick(c, Qt::LeftButton);
            QTRY_COMPARE(QApplication::focusWidget(), c);
            QCOMPARE(portapapeles->text(), QStringLiteral("pegado"));
            if (portapapeles->supportsSelection()) {
                QCOMPARE(portapapeles->text(QClipboard::Selection), QStringLiteral("elegido"));
            }
        }
    }

    // The window keeps the size of its layout, and the long petition shows
    // whole in its box: nothing scrolled out on the left.
    void ventanaFijaYPeticionEntera() {
        Principal v = abrir();
        QCOMPARE(v.w->minimumSize(), v.w->maximumSize());
        QVERIFY(!(v.w->windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* peticion = v.hijo<QLineEdit>("txtPeticion");
        const auto cursor = [peticion] { return peticion->inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
        const int vacia = cursor().left();
        escribir(peticion, QStringLiteral("Velmo, favor de responder esta pregunta:"));
        QVERIFY(cursor().right() < peticion->width());
        peticion->setCursorPosition(0);
        QCOMPARE(cursor().left(), vacia);
    }

    // The real boxes: Escape and the close box cancel an OK/Cancel box; a
    // Yes/No box takes neither and waits for a choice.
    void cajasDeMensaje() {
        PlataformaQt p;
        const auto cuandoAparezca = [](std::function<void(QMessageBox*)> accion) {
            auto* t = new QTimer;
            QObject::connect(t, &QTimer::timeout, [t, accion] {
                if (auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    c && c->isVisible()) {
                    t->deleteLater();
                    t->stop();
                    accion(c);
                }
            });
            t->start(10);
        };
        cuandoAparezca([](QMessageBox* c) {
            QCOMPARE(c->windowIcon().cacheKey(), estilo::iconoPrograma().cacheKey());
            QTest::keyClick(c, Qt::Key_Escape);
        });
        QCOMPARE(p.mensaje("a", "t", Botones::AceptarCancelar), Boton::Cancelar);
        cuandoAparezca([](QMessageBox* c) { c->close(); });
        QCOMPARE(p.mensaje("a", "t", Botones::AceptarCancelar), Boton::Cancelar);
        cuandoAparezca([](QMessageBox* c) { QTest::keyClick(c, Qt::Key_Return); });
        QCOMPARE(p.mensaje("a", "t", Botones::AceptarCancelar), Boton::Aceptar);
        bool seguia = false;
        cuandoAparezca([&](QMessageBox* c) {
            QTest::keyClick(c, Qt::Key_Escape);
            c->close();
            seguia = c->isVisible();
            for (QAbstractButton* b : c->buttons()) {
                if (b->text() == QStringLiteral("No")) {
                    b->click();
                }
            }
        });
        QCOMPARE(p.mensaje("a\rb", "t", Botones::SiNo), Boton::No);
        QVERIFY(seguia);
    }

    // A timer ticks with the period it was last given, from the moment it was
    // given; 0 stops it.
    void temporizadores() {
        PlataformaQt p;
        QTimer t;
        int tics = 0;
        connect(&t, &QTimer::timeout, [&] { ++tics; });
        p.asociar(Temporizador::tmrSuspenso, &t);
        QVERIFY(!t.isActive());
        p.temporizador(Temporizador::tmrSuspenso, 10);
        QTRY_VERIFY(tics >= 2);
        p.temporizador(Temporizador::tmrSuspenso, 5000);
        const int antes = tics;
        QTest::qWait(50);
        QCOMPARE(tics, antes);
        QVERIFY(t.isActive());
        p.temporizador(Temporizador::tmrSuspenso, 0);
        QVERIFY(!t.isActive());
    }

    void windows1252() {
        std::string todos;
        for (int c = 0; c < 256; ++c) {
            todos += static_cast<char>(c);
        }
        QCOMPARE(ansi1252::deQString(ansi1252::aQString(todos)), todos);
        QCOMPARE(ansi1252::aQString("\x80\x9f"), QStringLiteral("€Ÿ"));
        QCOMPARE(ansi1252::deQString(QStringLiteral("a中b😀")), std::string("ab"));
        // A Spanish sentence gets a Spanish date on a system that speaks English.
        QCOMPARE(PlataformaQt().fechaLarga(std::chrono::sys_days{std::chrono::year{2026} / 12 / 6}),
                 "domingo, 6 de diciembre de 2026");
    }
};

QTEST_MAIN(PruebaVentana)
#include "tst_ventana.moc"
