#pragma once

// What the GUI tests share: the real main window on the offscreen platform,
// with its message boxes, clock and draws taken from the scripted platform.

#include "app/frmVelmo.h"
#include "platform/guion/PlataformaGuion.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>

#include <exception>
#include <utility>

namespace auguron::prueba {

// What a scripted platform or draw found wrong while Qt was calling in (an
// unexpected box, a draw nobody scripted, an answer or a draw left unused).
// An exception cannot cross Qt's event loop, so it is kept here and the test's
// cleanup fails the test that caused it; the next tests go on.
inline QStringList& fallosDelGuion() {
    static QStringList f;
    return f;
}

// Runs a scripted call; what it throws is kept, and `siFalla` answers instead.
template <class F, class R> R anotando(F llamada, R siFalla) {
    try {
        return llamada();
    } catch (const std::exception& e) {
        fallosDelGuion() << QString::fromUtf8(e.what());
        return siFalla;
    }
}

inline void sinUsar(std::size_t cuantos, const char* que) {
    if (cuantos != 0) {
        fallosDelGuion() << QStringLiteral("%1 %2 left unused").arg(cuantos).arg(QLatin1String(que));
    }
}

class PlataformaPrueba final : public PlataformaQt {
public:
    PlataformaGuion guion; // the box answers and the boxes shown, the clock, the day
    ~PlataformaPrueba() override { sinUsar(guion.respuestas.size(), "box answers"); }
    Boton mensaje(std::string_view t, std::string_view titulo, Botones b) override {
        return anotando([&] { return guion.mensaje(t, titulo, b); },
                        b == Botones::SiNo ? Boton::No : Boton::Cancelar);
    }
    double segundosDelDia() const override { return guion.segundos; }
    std::chrono::sys_days hoy() const override { return guion.dia; }
};

class AzarPrueba final : public AzarGuion {
public:
    ~AzarPrueba() override { sinUsar(tiradas.size(), "draws"); }
    Entero fncNroAleatorio(int Intervalo) override {
        return anotando([&] { return AzarGuion::fncNroAleatorio(Intervalo); }, Entero{1});
    }
};

struct Principal {
    QPointer<frmVelmo> w;
    PlataformaPrueba* p = nullptr;
    AzarPrueba* azar = nullptr;
    template <class T = QWidget> T* hijo(const char* nombre) const {
        return w->findChild<T*>(QLatin1String(nombre));
    }
};

// The main window, loaded (OK to the prayer and the welcome, the status line
// held still) and shown active.
inline Principal abrir() {
    auto plataforma = std::make_unique<PlataformaPrueba>();
    auto azar = std::make_unique<AzarPrueba>();
    Principal r{nullptr, plataforma.get(), azar.get()};
    r.w = new frmVelmo(std::move(plataforma), std::move(azar));
    r.p->guion.respuestas = {Boton::Aceptar, Boton::Aceptar};
    r.azar->poner({5000});
    if (r.w->cargar()) {
        r.p->temporizador(Temporizador::tmrMensaje, 0); // its later draws are not scripted
        r.w->show();
        r.w->activateWindow();
        if (!QTest::qWaitForWindowActive(r.w)) {
            qWarning("the main window did not become active");
        }
    }
    return r;
}

// Types into `w` one key at a time, as a keyboard would, accents included.
inline void escribir(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
    }
}

// The names of the top-level windows on screen, sorted, joined by blanks.
inline QString visibles() {
    QStringList r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            r << w->objectName();
        }
    }
    r.sort();
    return r.join(QLatin1Char(' '));
}

// Runs posted deletions, as the event loop would after a window closes.
inline void asentar() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The cleanup of every GUI test: every window closed and freed, then what the
// scripts found wrong, with the scripted answers and draws left unused.
inline void cerrarTodo() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget() == nullptr) {
            w->close();
            w->deleteLater();
        }
    }
    asentar();
    const QStringList fallos = std::exchange(fallosDelGuion(), {});
    QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join(QStringLiteral("; "))));
}

} // namespace auguron::prueba
