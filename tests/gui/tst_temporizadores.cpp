// Timers of the Qt platform: they tick only while enabled with an interval
// above 0, a new interval starts a new period, 0 halts; and the status line
// runs its sequence on the real tmrMensaje.

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace auguron;
using namespace auguron::prueba;

class PruebaTemporizadores : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sinIntervaloNoHayTics();
    void habilitadoEIntervaloHacenFaltaAmbos();
    void unIntervaloNuevoEmpiezaOtroPeriodo();
    void laLineaDeEstadoSigueSuSecuencia();

private:
    PlataformaQt* m_p = nullptr;
    QTimer* m_t = nullptr;
    int m_tics = 0;
};

void PruebaTemporizadores::init() {
    m_p = new PlataformaQt;
    m_t = new QTimer;
    m_tics = 0;
    connect(m_t, &QTimer::timeout, this, [this] { ++m_tics; });
    m_p->asociar(Temporizador::tmrSuspenso, m_t);
}

void PruebaTemporizadores::cleanup() {
    delete m_p;
    delete m_t;
    cerrarTodo();
}

void PruebaTemporizadores::sinIntervaloNoHayTics() {
    QCOMPARE(m_t->timerType(), Qt::PreciseTimer);
    QVERIFY(m_p->temporizadorHabilitado(Temporizador::tmrSuspenso));
    QVERIFY(!m_t->isActive());
    m_p->fijarIntervalo(Temporizador::tmrSuspenso, 10);
    QVERIFY(m_t->isActive());
    QTRY_VERIFY(m_tics >= 3);
    m_p->fijarIntervalo(Temporizador::tmrSuspenso, 0);
    QVERIFY(!m_t->isActive());
    QCOMPARE(m_p->intervalo(Temporizador::tmrSuspenso), 0);
}

void PruebaTemporizadores::habilitadoEIntervaloHacenFaltaAmbos() {
    m_p->habilitarTemporizador(Temporizador::tmrSuspenso, false);
    m_p->fijarIntervalo(Temporizador::tmrSuspenso, 10);
    QVERIFY(!m_t->isActive());
    QCOMPARE(m_p->intervalo(Temporizador::tmrSuspenso), 10);
    m_p->habilitarTemporizador(Temporizador::tmrSuspenso, true);
    QVERIFY(m_t->isActive());
    QCOMPARE(m_t->interval(), 10);
    QTRY_VERIFY(m_tics >= 1);
    m_p->habilitarTemporizador(Temporizador::tmrSuspenso, false);
    QVERIFY(!m_t->isActive());
    QVERIFY(!m_p->temporizadorHabilitado(Temporizador::tmrSuspenso));
}

void PruebaTemporizadores::unIntervaloNuevoEmpiezaOtroPeriodo() {
    m_p->fijarIntervalo(Temporizador::tmrSuspenso, 1000);
    QTRY_VERIFY(m_t->remainingTime() <= 800);
    // Enabling a timer that is already on changes nothing...
    m_p->habilitarTemporizador(Temporizador::tmrSuspenso, true);
    QVERIFY(m_t->remainingTime() <= 800);
    // ...setting the same interval again starts the period anew.
    m_p->fijarIntervalo(Temporizador::tmrSuspenso, 1000);
    QVERIFY(m_t->remainingTime() > 900);
    QCOMPARE(m_tics, 0);
}

void PruebaTemporizadores::laLineaDeEstadoSigueSuSecuencia() {
    Prueba p = abrir();
    auto* lblInfo = p.ventana->findChild<QLabel*>(QStringLiteral("lblInfo"));
    auto* tmrMensaje = p.ventana->findChild<QTimer*>(QStringLiteral("tmrMensaje"));
    p.azar->tiradas = {30}; // the period drawn at the first tick
    p.ventana->plataforma().fijarIntervalo(Temporizador::tmrMensaje, 10);

    QTRY_COMPARE(lblInfo->text(), QStringLiteral("Conectando Vagulantes..."));
    QCOMPARE(p.azar->pedidos, std::vector<int>{5000});
    QCOMPARE(tmrMensaje->interval(), 30);
    QTRY_COMPARE(lblInfo->text(), QString());
    QVERIFY(!tmrMensaje->isActive());
    QCOMPARE(p.ventana->velmo().estado().PasoMensaje, Entero{3});
}

QTEST_MAIN(PruebaTemporizadores)
#include "tst_temporizadores.moc"
