#pragma once

// The look every window of the program shares: the layout's places, colours
// and texts as Qt takes them, fonts, labels and e-mail boxes built the same
// way, text fitting and centring.

#include "platform/Disposicion.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStringList>

#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace auguron::estilo {

// The layout's values as Qt takes them. Its twips become device-independent
// pixels (96 dpi), which Qt scales on high-DPI screens.
constexpr QRect geometria(const disposicion::Rect& r) {
    using disposicion::px;
    return {px(r.x), px(r.y), px(r.ancho), px(r.alto)};
}
inline QColor color(disposicion::Color c) {
    const disposicion::Rgb v = disposicion::rgb(c);
    return {v.r, v.g, v.b};
}
inline QString texto(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The font the layout is made for where it is installed; else the platform's
// sans-serif at the same size.
QFont fuente(double puntos);

// A plain-text label ("&" shows as it is). Captions start at the top of the
// label, so that the first line sits where the layout puts it, whatever the
// label's height.
QLabel* etiqueta(QWidget* padre, const disposicion::Etiqueta& e);

// A push button that Enter presses while it has the focus.
QPushButton* boton(QWidget* padre, const disposicion::Control& c);

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
QLineEdit* cajaCorreo(QWidget* padre, const char* nombre, const disposicion::Rect& r, std::string_view correo,
                      disposicion::Color fondo);

// The window's name, title, background and font; it is freed when closed.
void prepararVentana(QWidget* ventana, const char* nombre, std::string_view titulo, disposicion::Color fondo);

// The program's icon in all its sizes, for the application as a whole.
QIcon iconoPrograma();

// Places a window, whose size is already set, so that its client area is centred
// on `centro`, kept inside the screen's available area.
void centrar(QWidget* ventana, QPoint centro);
void centrarEnPantalla(QWidget* ventana);

} // namespace auguron::estilo
