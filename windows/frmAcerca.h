#pragma once

// The about window: name, version, subtitle, makers and how to reach them.

#include <QWidget>

class QPushButton;

namespace auguron {

class frmAcerca : public QWidget {
    Q_OBJECT

public:
    frmAcerca();

private:
    void cmdAceptar_Click();

    QPushButton* m_cmdAceptar;
};

} // namespace auguron
