#include "windows/Estilo.h"

#include "app/Recursos.h"

#include "windows/Contacto.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace auguron::estilo {

QFont fuente() {
    static const QString familia = QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
                                       ? QStringLiteral("MS Sans Serif")
                                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
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
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    return l;
}

namespace {

// A frameless box keeps 2 pixels clear on each side of its text.
constexpr int kMargenCaja = 4;

int anchoTexto(const QWidget* w, const QFont& f) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return QFontMetrics(f).horizontalAdvance(l->text());
    }
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) {
        return QFontMetrics(f).horizontalAdvance(t->text()) + kMargenCaja;
    }
    return 0;
}

} // namespace

void encajarTextos(QWidget* ventana) {
    QList<QWidget*> controles;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr) {
            controles << w;
        }
    }
    const auto cabe = [&](int estiramiento) {
        for (const QWidget* w : controles) {
            QFont f = w->font();
            f.setStretch(estiramiento);
            if (anchoTexto(w, f) > w->width()) {
                return false;
            }
        }
        return true;
    };
    int estiramiento = QFont::Unstretched;
    while (estiramiento > 60 && !cabe(estiramiento)) {
        --estiramiento;
    }
    if (estiramiento == QFont::Unstretched) {
        return;
    }
    for (QWidget* w : controles) {
        QFont f = w->font();
        f.setStretch(estiramiento);
        w->setFont(f);
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
    t->setAccessibleName(correo); // a screen reader names the box by its address
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
    iniciarRecursos(); // these windows may be opened in tests without the main one
    ventana->setWindowIcon(QIcon(QStringLiteral(":/imagenes/auguron.png")));
    ventana->setFont(fuente());
    QPalette p = ventana->palette();
    p.setColor(QPalette::Window, fondo);
    ventana->setPalette(p);
    ventana->setAutoFillBackground(true);
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
