#pragma once

// The statistics window: how many questions of each kind were answered in this
// run, and their total, as they stood when the window opened.

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace auguron {

class Velmo;

class frmEstadisticas : public QWidget {
    Q_OBJECT

public:
    frmEstadisticas(const Velmo& velmo, QPushButton* cmdNuevaPregunta);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load(const Velmo& velmo);
    void cmdAceptar_Click();

    QPushButton* cmdAceptar;
    QLabel* lblTruco;
    QLabel* lblFrecuentes;
    QLabel* lblMalFormuladas;
    QLabel* lblOtras;
    QLabel* lblTotal;
    QLabel* lblCantTruco;
    QLabel* lblCantFrecuentes;
    QLabel* lblCantMalFormuladas;
    QLabel* lblCantOtras;
    QLabel* lblCantTotal;
    QFrame* Line1;

    // The main window may be closed, even destroyed, while this one stays open.
    QPointer<QPushButton> m_cmdNuevaPregunta;
};

} // namespace auguron
