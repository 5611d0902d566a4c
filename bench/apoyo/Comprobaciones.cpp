#include "apoyo/Comprobaciones.h"

#include "platform/Disposicion.h"
#include "platform/qt/Estilo.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

#include <memory>

namespace banco {

namespace {

using namespace auguron;

int utilDe(const QWidget* w) {
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) {
        return w->width() - (t->hasFrame() ? 2 * t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0) -
               5;
    }
    return w->width();
}

QString textoDe(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text();
    }
    return static_cast<const QLineEdit*>(w)->text();
}

// The stretch a search a step at a time down from 100 gives all of `controles`.
int pasoAPaso(const QList<QWidget*>& controles) {
    const auto caben = [&](int estiramiento) {
        for (const QWidget* w : controles) {
            QFont f = w->font();
            f.setStretch(estiramiento);
            if (QFontMetrics(f).horizontalAdvance(textoDe(w)) > utilDe(w)) {
                return false;
            }
        }
        return true;
    };
    int estiramiento = QFont::Unstretched;
    while (estiramiento > 60 && !caben(estiramiento)) {
        --estiramiento;
    }
    return estiramiento;
}

int estiramientoDe(const QWidget* w) {
    const int e = w->font().stretch();
    return e == QFont::AnyStretch ? static_cast<int>(QFont::Unstretched) : e;
}

QString comprobarEncaje() {
    const QStringList textos = {QStringLiteral("Velmo, favor de responder esta pregunta:"),
                                QStringLiteral("Ingrese la pregunta:"),
                                QStringLiteral("Conectando Vagulantes...")};
    for (const double puntos : {disposicion::kPuntosAuxiliares, disposicion::kPuntosPrincipal}) {
        for (const QString& texto : textos) {
            for (int ancho = 40; ancho < 700; ancho += 3) {
                for (const bool caja : {false, true}) {
                    QWidget ventana;
                    ventana.setFont(estilo::fuente(puntos));
                    QWidget* w = caja ? static_cast<QWidget*>(new QLineEdit(texto, &ventana))
                                      : static_cast<QWidget*>(new QLabel(texto, &ventana));
                    w->setFont(ventana.font());
                    w->resize(ancho, 30);
                    const int esperado = pasoAPaso({w});
                    estilo::encajar(w, {texto});
                    if (estiramientoDe(w) != esperado) {
                        return QStringLiteral("encajar «%1» a %2 pt en %3 px: %4 en vez de %5")
                            .arg(texto)
                            .arg(puntos)
                            .arg(ancho)
                            .arg(estiramientoDe(w))
                            .arg(esperado);
                    }
                }
            }
        }
    }
    for (int a = 60; a < 420; a += 11) {
        for (int b = 60; b < 420; b += 37) {
            QWidget ventana;
            ventana.setFont(estilo::fuente(disposicion::kPuntosAuxiliares));
            auto* l = new QLabel(textos[0], &ventana);
            auto* t = new QLineEdit(QStringLiteral("¿Cuál es el sentido de la vida?"), &ventana);
            l->setFont(ventana.font());
            t->setFont(ventana.font());
            l->resize(a, 20);
            t->resize(b, 20);
            const int esperado = pasoAPaso({l, t});
            estilo::encajarTextos(&ventana);
            if (estiramientoDe(l) != esperado || estiramientoDe(t) != esperado) {
                return QStringLiteral("encajarTextos en %1 y %2 px: %3 y %4 en vez de %5")
                    .arg(a)
                    .arg(b)
                    .arg(estiramientoDe(l))
                    .arg(estiramientoDe(t))
                    .arg(esperado);
            }
        }
    }
    return {};
}

QString comprobarIcono() {
    QIcon sencillo;
    for (const int lado : {16, 32, 48, 64, 128}) {
        sencillo.addFile(QStringLiteral(":/imagenes/icons/auguron-%1.png").arg(lado), QSize(lado, lado));
    }
    sencillo.addFile(QStringLiteral(":/imagenes/auguron.png"), QSize(256, 256));
    const QIcon nuestro = estilo::iconoPrograma();
    if (sencillo.availableSizes() != nuestro.availableSizes()) {
        return QStringLiteral("iconoPrograma: otros tamaños disponibles");
    }
    const auto igual = [](const QPixmap& a, const QPixmap& b) {
        return a.size() == b.size() &&
               a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                   b.toImage().convertToFormat(QImage::Format_ARGB32) &&
               a.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                   b.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    for (const int lado : {8, 16, 20, 24, 32, 40, 48, 50, 64, 96, 100, 128, 200, 256, 300}) {
        for (const QSize s : {QSize(lado, lado), QSize(lado, lado / 2 + 1)}) {
            for (const auto modo : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                for (const auto estado : {QIcon::Off, QIcon::On}) {
                    QImage a(s, QImage::Format_ARGB32_Premultiplied), b(a.size(), a.format());
                    a.fill(QColor(10, 200, 30, 128));
                    b.fill(QColor(10, 200, 30, 128));
                    {
                        QPainter p(&a);
                        sencillo.paint(&p, a.rect(), Qt::AlignCenter, modo, estado);
                    }
                    {
                        QPainter p(&b);
                        nuestro.paint(&p, b.rect(), Qt::AlignCenter, modo, estado);
                    }
                    if (!igual(sencillo.pixmap(s, modo, estado), nuestro.pixmap(s, modo, estado)) ||
                        sencillo.actualSize(s, modo, estado) != nuestro.actualSize(s, modo, estado) ||
                        a != b) {
                        return QStringLiteral("iconoPrograma: otro dibujo a %1 x %2, modo %3, estado %4")
                            .arg(s.width())
                            .arg(s.height())
                            .arg(modo)
                            .arg(estado);
                    }
                }
            }
        }
    }
    return {};
}

} // namespace

QString comprobarEstilo() {
    const QString encaje = comprobarEncaje();
    return encaje.isEmpty() ? comprobarIcono() : encaje;
}

} // namespace banco
