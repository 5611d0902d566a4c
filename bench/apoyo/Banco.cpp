#include "apoyo/Banco.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace banco {

using namespace auguron;

Boton PlataformaBanco::mensaje(std::string_view, std::string_view, Botones botones) {
    ++cajas;
    return botones == Botones::SiNo ? Boton::Si : Boton::Aceptar;
}

Entero AzarBanco::fncNroAleatorio(int Intervalo) {
    if (!tiradas.empty()) {
        const int v = tiradas.front();
        tiradas.pop_front();
        return static_cast<Entero>(v);
    }
    m_semilla = m_semilla * 1103515245u + 12345u;
    return static_cast<Entero>((m_semilla >> 16) % static_cast<std::uint32_t>(Intervalo) + 1);
}

Ventana abrir() {
    auto plataforma = std::make_unique<PlataformaBanco>();
    auto azar = std::make_unique<AzarBanco>();
    Ventana v;
    v.plataforma = plataforma.get();
    v.azar = azar.get();
    v.ventana = new frmVelmo(std::move(plataforma), std::move(azar));
    if (!v.ventana->cargar()) {
        qFatal("the window did not load");
    }
    v.ventana->show();
    QApplication::setActiveWindow(v.ventana);
    if (!QTest::qWaitForWindowActive(v.ventana)) {
        qWarning("the main window did not become active");
    }
    v.txtPeticion = v.ventana->findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
    v.txtPregunta = v.ventana->findChild<QLineEdit*>(QStringLiteral("txtPregunta"));
    v.lblRespuesta = v.ventana->findChild<QLabel*>(QStringLiteral("lblRespuesta"));
    v.cmdNuevaPregunta = v.ventana->findChild<QPushButton*>(QStringLiteral("cmdNuevaPregunta"));
    v.tmrSuspenso = v.ventana->findChild<QTimer*>(QStringLiteral("tmrSuspenso"));
    if (!v.txtPeticion || !v.txtPregunta || !v.lblRespuesta || !v.cmdNuevaPregunta || !v.tmrSuspenso) {
        qFatal("a control of the main window is missing");
    }
    asentar();
    return v;
}

void Ventana::preparar(const QString& peticion, const QString& pregunta) {
    // No spirit's question at the reset: every run takes the same path.
    ventana->velmo().estado().PreguntasSinTruco = 0;
    cmdNuevaPregunta->click();
    escribir(txtPeticion, peticion);
    if (!txtPregunta->isEnabled()) {
        qFatal("the petition did not open the question box");
    }
    escribir(txtPregunta, pregunta);
    asentar();
}

void escribir(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        const auto tecla = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, w, tecla, QString(c), Qt::NoModifier);
    }
}

void asentar() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

VigiaPintura::VigiaPintura(QWidget* w)
    : m_w(w) {
    w->installEventFilter(this);
}

void VigiaPintura::armar(std::function<bool()> cuando) {
    m_cuando = std::move(cuando);
    m_pintado = 0;
}

std::int64_t VigiaPintura::esperar(int limiteMs) {
    QElapsedTimer reloj;
    reloj.start();
    while (m_pintado == 0 && reloj.elapsed() < limiteMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return m_pintado;
}

bool VigiaPintura::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != m_w || evento->type() != QEvent::Paint || !m_cuando || m_pintado != 0 || !m_cuando()) {
        return false;
    }
    // Public through QObject; dispatches to the widget's own handler.
    static_cast<QObject*>(m_w)->event(evento);
    m_pintado = ahoraNs();
    return true;
}

} // namespace banco
