#include "apoyo/PlataformaPrueba.h"

#include "platform/qt/Ansi1252.h"

#include <QApplication>
#include <QTest>

namespace auguron::prueba {

Boton PlataformaPrueba::mensaje(std::string_view texto, std::string_view titulo, Botones botones) {
    Boton r = botones == Botones::SiNo ? Boton::Si : Boton::Aceptar;
    if (respuestas.empty()) {
        ++sinRespuesta;
    } else {
        r = respuestas.front();
        respuestas.pop_front();
    }
    cajas.push_back({std::string(texto), std::string(titulo), botones, r});
    segundos += avancePorCaja;
    return r;
}

QString PlataformaPrueba::texto(std::size_t i) const {
    return ansi1252::aQString(cajas.at(i).texto);
}

QString PlataformaPrueba::titulo(std::size_t i) const {
    return ansi1252::aQString(cajas.at(i).titulo);
}

Entero AzarPrueba::fncNroAleatorio(int Intervalo) {
    pedidos.push_back(Intervalo);
    if (tiradas.empty()) {
        ++sinGuion;
        return static_cast<Entero>(Intervalo);
    }
    const int v = tiradas.front();
    tiradas.pop_front();
    return static_cast<Entero>(v);
}

Prueba crear() {
    auto plataforma = std::make_unique<PlataformaPrueba>();
    auto azar = std::make_unique<AzarPrueba>();
    Prueba p;
    p.plataforma = plataforma.get();
    p.azar = azar.get();
    p.ventana = new frmVelmo(std::move(plataforma), std::move(azar));
    return p;
}

Prueba abrir(int primerIntervalo) {
    Prueba p = crear();
    p.plataforma->respuestas = {Boton::Aceptar, Boton::Aceptar};
    p.azar->tiradas = {primerIntervalo};
    if (!p.ventana->cargar()) {
        return p;
    }
    p.ventana->show();
    QApplication::setActiveWindow(p.ventana);
    if (!QTest::qWaitForWindowActive(p.ventana)) {
        qWarning("the main window did not become active");
    }
    p.plataforma->cajas.clear();
    p.azar->pedidos.clear();
    return p;
}

void escribir(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        const auto tecla = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, w, tecla, QString(c), Qt::NoModifier);
    }
}

void cerrarTodo() {
    QList<QPointer<QWidget>> ventanas;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget() == nullptr) {
            ventanas.append(w);
        }
    }
    for (const QPointer<QWidget>& w : ventanas) {
        delete w.data();
    }
}

} // namespace auguron::prueba
