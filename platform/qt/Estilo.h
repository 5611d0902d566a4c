#pragma once

// The look every window of the program shares: twips to pixels, fonts, colours,
// labels and e-mail boxes built the same way, text fitting and centring.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace auguron::estilo {

// Every window is laid out in twips, the project's unit: 15 to a
// device-independent pixel (96 dpi), which Qt scales on high-DPI screens.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}
constexpr QRect twips(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline const QColor kGris(224, 224, 224); // every window's background but help's
inline const QColor kBlanco(255, 255, 255);
inline const QColor kAzul(0, 0, 255);
inline const QColor kAzulRespuesta(0, 0, 192);
inline const QColor kRojo(255, 0, 0);
inline const QColor kNegro(0, 0, 0);
inline const QColor kGrisTexto(128, 128, 128);

// The font the layout is made for, MS Sans Serif, where it is installed;
// else the platform's sans-serif at the same size.
inline constexpr double kPuntosPrincipal = 13.5;
inline constexpr double kPuntosAuxiliares = 8.25;
QFont fuente(double puntos);

enum Trazo { Normal = 0, Negrita = 1, Subrayada = 2 };

// A plain-text label ("&" shows as it is). Captions start at the top of the
// label, so that the first line sits where the layout puts it, whatever the
// label's height.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect geometria,
                 int trazo = Normal, Qt::Alignment alineacion = Qt::AlignLeft, const QColor& color = kNegro);

// A push button that Enter presses while it has the focus.
QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto, QRect geometria);

// The text colour of a label, enabled or not.
void colorTexto(QWidget* w, const QColor& color);

// Where the font at hand is wider than the one the layout is made for,
// narrows the font of a control (same height) just enough for every one of
// `textos` to fit in it.
void encajar(QWidget* control, const QStringList& textos);

// The same for a whole window, once its captions are set: all its labels and
// boxes get the same narrowing, so that the lines still match.
void encajarTextos(QWidget* ventana);

// The read-only address boxes: blue text on the window's own background, no
// frame, the subject hint as tooltip.
QLineEdit* cajaCorreo(QWidget* padre, const char* nombre, QRect geometria, const QString& correo,
                      const QColor& fondo);

// The window's name, title, background and font; it is freed when closed.
void prepararVentana(QWidget* ventana, const char* nombre, const QString& titulo, const QColor& fondo);

// The program's icon in all its sizes, for the application as a whole.
QIcon iconoPrograma();

// Places a window, whose size is already set, so that its client area is centred
// on `centro`, kept inside the screen's available area.
void centrar(QWidget* ventana, QPoint centro);
void centrarEnPantalla(QWidget* ventana);

} // namespace auguron::estilo
