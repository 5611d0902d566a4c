#include "platform/qt/Estilo.h"

#include "platform/qt/Contacto.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace auguron::estilo {

QFont fuente(double puntos) {
    // Asked once: each question to the font database costs a fontconfig lookup.
    static const QString familia = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                       ? QStringLiteral("MS Sans Serif")
                                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    return f;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect geometria, int trazo,
                 Qt::Alignment alineacion, const QColor& color) {
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setTextFormat(Qt::PlainText);
    l->setText(texto);
    l->setAlignment(alineacion | Qt::AlignTop);
    l->setGeometry(geometria);
    QFont f = padre->font();
    f.setBold(trazo & Negrita);
    f.setUnderline(trazo & Subrayada);
    l->setFont(f);
    colorTexto(l, color);
    return l;
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto, QRect geometria) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setGeometry(geometria);
    b->setAutoDefault(true);
    return b;
}

void colorTexto(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, QPalette::WindowText, color);
    }
    w->setPalette(p);
}

namespace {

// The width a control gives its text: a box keeps 2 pixels clear on each side
// of it, inside its frame, and 1 more for the caret.
int anchoUtil(const QWidget* w) {
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) {
        const int marco = t->hasFrame() ? 2 * t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return w->width() - marco - 5;
    }
    return w->width();
}

QString textoDe(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text();
    }
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) {
        return t->text();
    }
    return {};
}

bool caben(const QWidget* w, const QStringList& textos, int estiramiento) {
    QFont f = w->font();
    f.setStretch(estiramiento);
    const QFontMetrics m(f);
    for (const QString& t : textos) {
        if (m.horizontalAdvance(t) > anchoUtil(w)) {
            return false;
        }
    }
    return true;
}

void estirar(QWidget* w, int estiramiento) {
    QFont f = w->font();
    f.setStretch(estiramiento);
    w->setFont(f);
}

} // namespace

void encajar(QWidget* control, const QStringList& textos) {
    int estiramiento = QFont::Unstretched;
    while (estiramiento > 60 && !caben(control, textos, estiramiento)) {
        --estiramiento;
    }
    if (estiramiento != QFont::Unstretched) {
        estirar(control, estiramiento);
    }
}

void encajarTextos(QWidget* ventana) {
    QList<QWidget*> controles;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr) {
            controles << w;
        }
    }
    const auto cabe = [&](int estiramiento) {
        return std::all_of(controles.begin(), controles.end(),
                           [&](const QWidget* w) { return caben(w, {textoDe(w)}, estiramiento); });
    };
    int estiramiento = QFont::Unstretched;
    while (estiramiento > 60 && !cabe(estiramiento)) {
        --estiramiento;
    }
    if (estiramiento == QFont::Unstretched) {
        return;
    }
    for (QWidget* w : controles) {
        estirar(w, estiramiento);
    }
}

QLineEdit* cajaCorreo(QWidget* padre, const char* nombre, QRect geometria, const QString& correo,
                      const QColor& fondo) {
    auto* t = new QLineEdit(correo, padre);
    t->setObjectName(QString::fromLatin1(nombre));
    t->setGeometry(geometria);
    t->setReadOnly(true);
    t->setFrame(false);
    t->setToolTip(kAsuntoCorreo);
    t->setAccessibleName(correo);                  // a screen reader names the box by its address
    t->setAlignment(Qt::AlignLeft | Qt::AlignTop); // level with the label beside it
    t->setCursorPosition(0);
    QPalette p = t->palette();
    p.setColor(QPalette::Text, kAzul);
    p.setColor(QPalette::Base, fondo);
    t->setPalette(p);
    return t;
}

void prepararVentana(QWidget* ventana, const char* nombre, const QString& titulo, const QColor& fondo) {
    ventana->setObjectName(QString::fromLatin1(nombre));
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowTitle(titulo);
    ventana->setFont(fuente(kPuntosAuxiliares));
    QPalette p = ventana->palette();
    p.setColor(QPalette::Window, fondo);
    ventana->setPalette(p);
    ventana->setAutoFillBackground(true);
}

QIcon iconoPrograma() {
    QIcon icono;
    for (const int lado : {16, 32, 48, 64, 128}) {
        icono.addFile(QStringLiteral(":/imagenes/icons/auguron-%1.png").arg(lado), QSize(lado, lado));
    }
    icono.addFile(QStringLiteral(":/imagenes/auguron.png"), QSize(256, 256));
    return icono;
}

void centrar(QWidget* ventana, QPoint centro) {
    QScreen* pantalla = QGuiApplication::screenAt(centro);
    if (pantalla == nullptr) {
        pantalla = QGuiApplication::primaryScreen();
    }
    QRect r(QPoint(0, 0), ventana->size());
    r.moveCenter(centro);
    if (pantalla != nullptr) {
        const QRect zona = pantalla->availableGeometry();
        r.moveLeft(qMax(zona.left(), qMin(r.left(), zona.right() - r.width() + 1)));
        r.moveTop(qMax(zona.top(), qMin(r.top(), zona.bottom() - r.height() + 1)));
    }
    ventana->setGeometry(r);
}

void centrarEnPantalla(QWidget* ventana) {
    // The screen the user is working on: that of the active window, if any.
    const QWidget* activa = QApplication::activeWindow();
    QScreen* pantalla = activa != nullptr ? activa->screen() : QGuiApplication::primaryScreen();
    if (pantalla != nullptr) {
        centrar(ventana, pantalla->availableGeometry().center());
    }
}

} // namespace auguron::estilo
