// The spirit's yes/no question of the new-question reset, answered Yes and No.

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace auguron;
using namespace auguron::prueba;

class PruebaEspiritu : public QObject {
    Q_OBJECT

private slots:
    void init() { m_p = abrir(); }
    void cleanup() { cerrarTodo(); }

    void conCuatroPreguntasNoPregunta();
    void siSigueConUnaPreguntaNueva();
    void noCierraLaVentana();

private:
    Prueba m_p;
};

void PruebaEspiritu::conCuatroPreguntasNoPregunta() {
    m_p.ventana->velmo().estado().PreguntasSinTruco = 4;
    m_p.azar->tiradas = {2};
    QTest::keyClick(m_p.ventana, Qt::Key_F2);
    QCOMPARE(m_p.azar->pedidos, std::vector<int>{8});
    QVERIFY(m_p.plataforma->cajas.empty());
}

void PruebaEspiritu::siSigueConUnaPreguntaNueva() {
    m_p.ventana->velmo().estado().PreguntasSinTruco = 5;
    m_p.azar->tiradas = {1, 2}; // the spirit asks; then no soul found
    m_p.plataforma->respuestas = {Boton::Si, Boton::Aceptar};
    auto* txtPeticion = m_p.ventana->findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
    escribir(txtPeticion, QStringLiteral("algo"));
    QTest::keyClick(m_p.ventana, Qt::Key_F2);

    QCOMPARE(m_p.azar->pedidos, (std::vector<int>{12, 8}));
    const auto& cajas = m_p.plataforma->cajas;
    QCOMPARE(cajas.size(), std::size_t{2});
    QCOMPARE(m_p.plataforma->titulo(0), QStringLiteral("Velmo pregunta:"));
    QCOMPARE(cajas[0].botones, Botones::SiNo);
    QCOMPARE(cajas[0].texto.size(), std::size_t{72});
    QCOMPARE(m_p.plataforma->titulo(1), QStringLiteral("Creo en Dios y en el Diablo"));
    QCOMPARE(cajas[1].botones, Botones::Aceptar);
    QCOMPARE(cajas[1].texto.size(), std::size_t{49});
    QCOMPARE(m_p.plataforma->sinRespuesta, 0);

    QVERIFY(m_p.ventana && m_p.ventana->isVisible());
    QCOMPARE(txtPeticion->text(), QString());
    QCOMPARE(QApplication::focusWidget(), txtPeticion);
    QCOMPARE(m_p.ventana->velmo().estado().PreguntasSinTruco, Entero{5});
}

void PruebaEspiritu::noCierraLaVentana() {
    m_p.ventana->velmo().estado().PreguntasSinTruco = 9;
    m_p.azar->tiradas = {1};
    m_p.plataforma->respuestas = {Boton::No, Boton::Aceptar};
    QTest::keyClick(m_p.ventana, Qt::Key_F2);

    QCOMPARE(m_p.azar->pedidos, std::vector<int>{12}); // no soul is chosen
    QCOMPARE(m_p.plataforma->cajas.size(), std::size_t{2});
    QCOMPARE(m_p.plataforma->titulo(1), QStringLiteral("No creo"));
    QCOMPARE(m_p.plataforma->cajas[1].texto.size(), std::size_t{62});
    QTRY_VERIFY(m_p.ventana.isNull());
}

QTEST_MAIN(PruebaEspiritu)
#include "tst_espiritu.moc"
