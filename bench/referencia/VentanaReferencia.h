#pragma once

// The yardstick for the main window: the same window built with bare Qt Widgets
// (plain line edits, no logic behind any control), with the same controls,
// geometry, fonts, colours, menus and timers. Its start-up shows the same two
// message boxes as the program's.

#include <QIcon>
#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace banco {

// The program's six icon sizes, added to a plain QIcon: each picture is decoded
// once, as the program decodes it at most once.
QIcon iconoReferencia();

class VentanaReferencia : public QMainWindow {
    Q_OBJECT

public:
    explicit VentanaReferencia(QWidget* parent = nullptr);

    // The prayer (OK/Cancel) and the welcome box; false when the prayer is refused.
    bool cargar();

    QLineEdit* txtPeticion = nullptr;
    QLineEdit* txtPregunta = nullptr;
    QLabel* lblRespuesta = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdFocus = nullptr;
    QTimer* tmrFocus = nullptr;
    QTimer* tmrSuspenso = nullptr;
    QTimer* tmrMensaje = nullptr;
};

} // namespace banco
