#pragma once

// The platform services on Qt Widgets, over the real controls of frmVelmo.
// Message boxes and the clock are virtual so that GUI tests can answer boxes
// from a script and set the day and time.

#include "platform/Plataforma.h"

#include <QColor>
#include <QPointer>

#include <array>
#include <functional>

class QObject;
class QTimer;
class QWidget;

namespace auguron {

class PlataformaQt : public Plataforma {
public:
    PlataformaQt() = default;
    PlataformaQt(const PlataformaQt&) = delete;
    PlataformaQt& operator=(const PlataformaQt&) = delete;

    // Binding to the window. A control is a QLineEdit, QLabel, QAbstractButton
    // or QAction; the timers are the window's own.
    void asociar(Control c, QObject* objeto);
    void asociar(Temporizador t, QTimer* temporizador);
    void asociarVentana(QWidget* principal);

    // What the main window does when the logic asks for the statistics window
    // (the windows live a layer above this one).
    std::function<void(const CuentasPreguntas&)> alPedirEstadisticas;

    // The system window colour: the style's colour for the background of an
    // editable box.
    static QColor colorSistema();

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override;

    void fijarTexto(Control c, std::string_view texto) override;
    void habilitar(Control c, bool si) override;
    void mostrar(Control c, bool si) override;
    void enfocar(Control c) override;
    void fondoSistema(Control c, bool sistema) override;
    void temporizador(Temporizador t, int ms) override;

    void cerrarVentanaPrincipal() override;
    void cerrarTodas() override;
    void mostrarEstadisticas(const CuentasPreguntas& cuentas) override;

    double segundosDelDia() const override;
    std::chrono::sys_days hoy() const override;
    std::string fechaLarga(std::chrono::sys_days dia) const override;

private:
    QObject* objeto(Control c) const;
    QWidget* widget(Control c) const;

    static constexpr std::size_t kControles = static_cast<std::size_t>(Control::mnuVerImagen) + 1;
    std::array<QPointer<QObject>, kControles> m_controles;
    std::array<QPointer<QTimer>, 3> m_relojes;
    QPointer<QWidget> m_principal;
};

} // namespace auguron
