#pragma once

// The main window: its controls, menus and timers, each event handed to the
// logic (Velmo). The window owns the logic, its platform and its random source.

#include "platform/qt/PlataformaQt.h"
#include "util/Aleatorio.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QTimer;

namespace auguron {

class CajaTexto;
class Velmo;

class frmVelmo : public QMainWindow {
    Q_OBJECT

public:
    // Both dependencies may be given (tests script message boxes, the clock and
    // the draws); by default the real platform and draws seeded from its clock.
    explicit frmVelmo(std::unique_ptr<PlataformaQt> plataforma = nullptr,
                      std::unique_ptr<FuenteAleatoria> azar = nullptr, QWidget* parent = nullptr);
    ~frmVelmo() override;

    // Loads the window before it is first shown. False: the prayer was refused
    // and the window must never be shown.
    bool cargar();

    Velmo& velmo() { return *m_velmo; }
    PlataformaQt& plataforma() { return *m_plataforma; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearControles();
    void crearMenus();
    void crearTemporizadores();
    void asociarPlataforma();
    void abrirEstadisticas(const CuentasPreguntas& cuentas);

    std::unique_ptr<PlataformaQt> m_plataforma;
    std::unique_ptr<FuenteAleatoria> m_azar;
    std::unique_ptr<Velmo> m_velmo;

    QLabel* m_lblPeticion = nullptr;
    CajaTexto* m_txtPeticion = nullptr;
    QLabel* m_lblPregunta = nullptr;
    CajaTexto* m_txtPregunta = nullptr;
    QLabel* m_lblRespuesta = nullptr;
    QPushButton* m_cmdFocus = nullptr;
    QPushButton* m_cmdNuevaPregunta = nullptr;
    QPushButton* m_cmdSalir = nullptr;
    QLabel* m_lblInfo = nullptr;
    QLabel* m_pctLogo = nullptr;

    QAction* m_mnuVerImagen = nullptr;

    QTimer* m_tmrFocus = nullptr;
    QTimer* m_tmrSuspenso = nullptr;
    QTimer* m_tmrMensaje = nullptr;
};

} // namespace auguron
