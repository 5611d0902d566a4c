#pragma once

// The real main window for in-process measurements: the Qt platform with its
// message boxes answered at once without being shown (the first button, as a
// user who accepts), and draws from a queue the benchmark fills, else from a
// fixed-seed generator, so that every run takes the same path.

#include "app/frmVelmo.h"
#include "platform/qt/PlataformaQt.h"
#include "reloj.h"
#include "util/Aleatorio.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace banco {

class PlataformaBanco : public auguron::PlataformaQt {
public:
    int cajas = 0;
    auguron::Boton mensaje(std::string_view texto, std::string_view titulo,
                           auguron::Botones botones) override;
};

class AzarBanco : public auguron::FuenteAleatoria {
public:
    std::deque<int> tiradas;
    auguron::Entero fncNroAleatorio(int Intervalo) override;
    // Back to the first draw: the same route then gives the same reply.
    void reiniciar() {
        tiradas.clear();
        m_semilla = 12345;
    }

private:
    std::uint32_t m_semilla = 12345;
};

// The window, loaded (both start-up boxes accepted), shown and active.
struct Ventana {
    QPointer<auguron::frmVelmo> ventana;
    PlataformaBanco* plataforma = nullptr;
    AzarBanco* azar = nullptr;
    QLineEdit* txtPeticion = nullptr;
    QLineEdit* txtPregunta = nullptr;
    QLabel* lblRespuesta = nullptr;
    QPushButton* cmdNuevaPregunta = nullptr;
    QTimer* tmrSuspenso = nullptr;

    // Starts a new question and types the petition (ending in ":") and the
    // question without its "?", with the window left idle.
    void preparar(const QString& peticion, const QString& pregunta);
};
Ventana abrir();

// Types `texto` one key at a time, as a keyboard would, accented letters included.
void escribir(QWidget* w, const QString& texto);

// Lets every posted event (pending paints included) run.
void asentar();

// Notes when a widget has finished painting while a condition holds: the paint
// event is handled here and the time taken right after it.
class VigiaPintura : public QObject {
public:
    explicit VigiaPintura(QWidget* w);
    // Waits for the next paint for which `cuando` holds; its end time in ns, or 0 after `limiteMs`.
    void armar(std::function<bool()> cuando);
    std::int64_t esperar(int limiteMs = 5000);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* m_w;
    std::function<bool()> m_cuando;
    std::int64_t m_pintado = 0;
};

} // namespace banco
