#pragma once

// The statistics window: how many questions of each kind were answered in this
// run, and their total, as they stood when the window opened.

#include "platform/Plataforma.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace auguron {

class frmEstadisticas : public QWidget {
    Q_OBJECT

public:
    explicit frmEstadisticas(const CuentasPreguntas& cuentas);

signals:
    // However the window goes: through its button, its close box, or with every
    // other window. The main window gives its new-question button back then.
    void cerrada(bool conAceptar);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load(const CuentasPreguntas& cuentas);
    void cmdAceptar_Click();

    QPushButton* m_cmdAceptar;
    QLabel* m_lblTruco;
    QLabel* m_lblFrecuentes;
    QLabel* m_lblMalFormuladas;
    QLabel* m_lblOtras;
    QLabel* m_lblTotal;
    QLabel* m_lblCantTruco;
    QLabel* m_lblCantFrecuentes;
    QLabel* m_lblCantMalFormuladas;
    QLabel* m_lblCantOtras;
    QLabel* m_lblCantTotal;
    bool m_conAceptar = false;
};

} // namespace auguron
