#pragma once

// What the three auxiliary windows share: twips to pixels, their font, their
// colours, labels and e-mail boxes built the same way, and centring.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace auguron::estilo {

// 15 twips to a device-independent pixel; Qt scales those on high-DPI screens.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}
constexpr QRect twips(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline const QColor kGris(224, 224, 224);
inline const QColor kBlanco(255, 255, 255);
inline const QColor kAzul(0, 0, 255);
inline const QColor kRojo(255, 0, 0);
inline const QColor kNegro(0, 0, 0);

// MS Sans Serif at 8.25 points where it is installed, else the platform's
// sans-serif at the same size.
QFont fuente();

enum Trazo { Normal = 0, Negrita = 1, Subrayada = 2 };

// A plain-text label. Captions start at the top of the label, as on the old forms.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect geometria,
                 int trazo = Normal, Qt::Alignment alineacion = Qt::AlignLeft, const QColor& color = kNegro);

// Once every caption of the window is set: when some text is wider than its
// control in the font at hand (the layout was drawn for the narrow MS Sans
// Serif), narrows the font of all labels and boxes of the window alike, just
// enough, keeping its height, so that nothing is cut off and all lines match.
void encajarTextos(QWidget* ventana);

// The read-only address boxes: blue text on the window's own background, no
// frame, the subject hint as tooltip.
QLineEdit* cajaCorreo(QWidget* padre, const char* nombre, QRect geometria, const QString& correo,
                      const QColor& fondo);

// The window background, font and icon.
void prepararVentana(QWidget* ventana, const char* nombre, const QString& titulo, const QColor& fondo);

// Places a window, whose size is already set, so that its client area is centred
// on `centro`, kept inside the screen's available area.
void centrar(QWidget* ventana, QPoint centro);
void centrarEnPantalla(QWidget* ventana);

} // namespace auguron::estilo
