// After an answer the focus waits on cmdFocus, and tmrFocus (2000 ms, one
// tick) moves it to "Nueva Pregunta".

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"
#include "platform/qt/Ansi1252.h"
#include "texts/Almas.h"
#include "util/Cifrado.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace auguron;
using namespace auguron::prueba;

class PruebaFoco : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { cerrarTodo(); }

    void trasLaRespuestaElFocoEspera();
    void elTicMueveElFocoUnaVez();
    void f2EnseguidaNoDetieneElTemporizador();
    void conElBotonDeshabilitadoNoSeMueve();

private:
    template <class T> T* hijo(const char* nombre) {
        return m_p.ventana->findChild<T*>(QLatin1String(nombre));
    }
    // A hidden answer "no" (the petition spells the short phrase), then the
    // question "vendra?".
    void responder();
    static void tic(QTimer* t) { QVERIFY(QMetaObject::invokeMethod(t, "timeout")); }

    Prueba m_p;
    QLineEdit* m_peticion = nullptr;
    QLineEdit* m_pregunta = nullptr;
    QTimer* m_tmrFocus = nullptr;
};

void PruebaFoco::init() {
    m_p = abrir();
    m_peticion = hijo<QLineEdit>("txtPeticion");
    m_pregunta = hijo<QLineEdit>("txtPregunta");
    m_tmrFocus = hijo<QTimer>("tmrFocus");
}

void PruebaFoco::responder() {
    escribir(m_peticion, QStringLiteral(".no.o, favor de responder:"));
    QCOMPARE(QApplication::focusWidget(), m_pregunta);
    escribir(m_pregunta, QStringLiteral("vendra?"));
}

void PruebaFoco::trasLaRespuestaElFocoEspera() {
    responder();
    // The "?" that submitted is shown although the handler had just disabled the box.
    QCOMPARE(m_pregunta->text(), QStringLiteral("Vendra?"));
    QCOMPARE(m_peticion->text(), QStringLiteral("Velmo, favor de responder:"));
    QVERIFY(!m_peticion->isEnabled());
    QVERIFY(!m_pregunta->isEnabled());
    const QString alma = ansi1252::aQString(fncDecodificar(textos::NombreAlmaPorDefecto));
    QCOMPARE(hijo<QLabel>("lblRespuesta")->text(), alma + QStringLiteral("No."));
    QVERIFY(m_p.azar->pedidos.empty()); // a hidden answer draws nothing

    QCOMPARE(QApplication::focusWidget(), hijo<QPushButton>("cmdFocus"));
    QVERIFY(m_tmrFocus->isActive());
    QCOMPARE(m_tmrFocus->interval(), 2000);
    QVERIFY(m_p.ventana->plataforma().temporizadorHabilitado(Temporizador::tmrFocus));
}

void PruebaFoco::elTicMueveElFocoUnaVez() {
    responder();
    tic(m_tmrFocus);
    auto* boton = hijo<QPushButton>("cmdNuevaPregunta");
    QCOMPARE(QApplication::focusWidget(), boton);
    QVERIFY(!m_tmrFocus->isActive());
    QCOMPARE(m_p.ventana->plataforma().intervalo(Temporizador::tmrFocus), 0);
    QVERIFY(!m_p.ventana->plataforma().temporizadorHabilitado(Temporizador::tmrFocus));

    // Enter on the focused button asks a new question.
    m_p.azar->tiradas = {2};
    QTest::keyClick(boton, Qt::Key_Return);
    QCOMPARE(m_peticion->text(), QString());
    QVERIFY(m_peticion->isEnabled());
    QCOMPARE(QApplication::focusWidget(), m_peticion);
    QCOMPARE(hijo<QLabel>("lblRespuesta")->text(), QString());
}

void PruebaFoco::f2EnseguidaNoDetieneElTemporizador() {
    responder();
    m_p.azar->tiradas = {2};
    QTest::keyClick(m_p.ventana, Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget(), m_peticion);
    QVERIFY(m_tmrFocus->isActive());
    tic(m_tmrFocus);
    QCOMPARE(QApplication::focusWidget(), hijo<QPushButton>("cmdNuevaPregunta"));
}

void PruebaFoco::conElBotonDeshabilitadoNoSeMueve() {
    hijo<QPushButton>("cmdNuevaPregunta")->setEnabled(false);
    responder();
    QVERIFY(!m_tmrFocus->isActive());
    QVERIFY(!m_p.ventana->plataforma().temporizadorHabilitado(Temporizador::tmrFocus));
    QVERIFY(!m_pregunta->isEnabled());
}

QTEST_MAIN(PruebaFoco)
#include "tst_foco.moc"
