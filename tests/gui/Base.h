#pragma once

// What the GUI tests share: the real main window on the offscreen platform,
// with its message boxes, clock and draws taken from the scripted platform.

#include "app/frmVelmo.h"
#include "platform/guion/PlataformaGuion.h"

#include <QPointer>
#include <QString>

namespace auguron::prueba {

class PlataformaPrueba final : public PlataformaQt {
public:
    PlataformaGuion guion; // the box answers and the boxes shown, the clock, the day
    Boton mensaje(std::string_view t, std::string_view titulo, Botones b) override {
        return guion.mensaje(t, titulo, b);
    }
    double segundosDelDia() const override { return guion.segundos; }
    std::chrono::sys_days hoy() const override { return guion.dia; }
};

struct Principal {
    QPointer<frmVelmo> w;
    PlataformaPrueba* p = nullptr;
    AzarGuion* azar = nullptr;
    template <class T = QWidget> T* hijo(const char* nombre) const {
        return w->findChild<T*>(QLatin1String(nombre));
    }
};

// The main window, loaded (OK to the prayer and the welcome, the status line
// held still) and shown active; or only created.
Principal abrir(bool cargar = true);

// Types into `w` one key at a time, as a keyboard would, accents included.
void escribir(QWidget* w, const QString& texto);

// The names of the top-level windows on screen, sorted, joined by blanks.
QString visibles();

// Runs posted deletions, as the event loop would after a window closes.
void asentar();

void cerrarTodo();

} // namespace auguron::prueba
