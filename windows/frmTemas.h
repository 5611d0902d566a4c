#pragma once

// The help window: how to write the petition and the question, and where to
// write to. Fixed texts only; closed with the window's own close control.

#include <QWidget>

namespace auguron {

class frmTemas : public QWidget {
    Q_OBJECT

public:
    frmTemas();
};

} // namespace auguron
