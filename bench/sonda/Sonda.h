#pragma once

// Instruments a start-up from outside the window: the first paint of each
// message box (whose default button is then pressed, as a user would the moment
// it shows) and the first paint of the main window (which is then closed). Times
// are steady-clock nanoseconds, which is CLOCK_MONOTONIC on Linux, so the process
// that started this one can subtract its own clock readings from them.

#include "reloj.h"

#include <QObject>

#include <cstdint>
#include <vector>

namespace banco {

class SondaArranque : public QObject {
    Q_OBJECT

public:
    // Installs itself on the application; construct it right after QApplication.
    SondaArranque();

    // "caja N <painted> <pressed>" per box, then "principal <painted>", on stdout.
    void informar() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Caja {
        std::int64_t pintada = 0;
        std::int64_t aceptada = 0;
    };
    std::vector<Caja> m_cajas;
    std::int64_t m_principal = 0;
};

} // namespace banco
