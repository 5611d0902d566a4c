#pragma once

// The statistics window: how many questions of each kind were answered in this
// run, and their total, as they stood when the window opened.

#include "platform/Plataforma.h"

#include <QWidget>

#include <array>

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
    // Each row's caption and count, in the layout's order.
    std::array<QLabel*, 5> m_rotulos{};
    std::array<QLabel*, 5> m_cuentas{};
    bool m_conAceptar = false;
};

} // namespace auguron
