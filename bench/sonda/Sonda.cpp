#include "sonda/Sonda.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <cstdio>

namespace banco {

namespace {
// Marks a window whose first paint has been seen. A property, not the address:
// the second box of the start-up is built where the first one was.
constexpr const char* kVista = "banco_vista";
} // namespace

SondaArranque::SondaArranque() {
    qApp->installEventFilter(this);
}

bool SondaArranque::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::Paint || !objeto->isWidgetType()) {
        return false;
    }
    QWidget* ventana = static_cast<QWidget*>(objeto)->window();
    if (ventana->property(kVista).toBool()) {
        return false;
    }
    if (auto* caja = qobject_cast<QMessageBox*>(ventana)) {
        ventana->setProperty(kVista, true);
        // Queued: runs once the whole frame has been painted and flushed.
        QMetaObject::invokeMethod(
            this,
            [this, caja = QPointer<QMessageBox>(caja)] {
                Caja c;
                c.pintada = ahoraNs();
                if (caja && caja->defaultButton() != nullptr) {
                    c.aceptada = ahoraNs();
                    m_cajas.push_back(c);
                    caja->defaultButton()->click();
                } else {
                    m_cajas.push_back(c);
                }
            },
            Qt::QueuedConnection);
    } else if (auto* principal = qobject_cast<QMainWindow*>(ventana)) {
        ventana->setProperty(kVista, true);
        QMetaObject::invokeMethod(
            this,
            [this, principal = QPointer<QMainWindow>(principal)] {
                m_principal = ahoraNs();
                informar();
                if (principal) {
                    principal->close();
                }
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
    }
    return false;
}

void SondaArranque::informar() const {
    for (std::size_t i = 0; i < m_cajas.size(); ++i) {
        std::printf("caja %zu %lld %lld\n", i + 1, static_cast<long long>(m_cajas[i].pintada),
                    static_cast<long long>(m_cajas[i].aceptada));
    }
    std::printf("principal %lld\n", static_cast<long long>(m_principal));
    std::fflush(stdout);
}

} // namespace banco
