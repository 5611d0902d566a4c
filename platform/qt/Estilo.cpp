#include "platform/qt/Estilo.h"

#include "Version.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace auguron::estilo {

QFont fuente(double puntos) {
    // Asked once: each question to the font database costs a fontconfig lookup.
    static const QString familia = QFontDatabase::hasFamily(texto(disposicion::kFuente))
                                       ? texto(disposicion::kFuente)
                                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    return f;
}

QLabel* etiqueta(QWidget* padre, const disposicion::Etiqueta& e) {
    using disposicion::Alineacion;
    auto* l = new QLabel(padre);
    l->setObjectName(texto(e.nombre));
    l->setTextFormat(Qt::PlainText);
    l->setText(texto(e.texto));
    const Qt::Alignment alineacion = e.alineacion == Alineacion::Centro    ? Qt::AlignHCenter
                                     : e.alineacion == Alineacion::Derecha ? Qt::AlignRight
                                                                           : Qt::AlignLeft;
    l->setAlignment(alineacion | Qt::AlignTop);
    l->setGeometry(geometria(e.r));
    QFont f = padre->font();
    f.setBold(e.trazo & disposicion::Negrita);
    f.setUnderline(e.trazo & disposicion::Subrayada);
    l->setFont(f);
    colorTexto(l, color(e.color));
    return l;
}

QPushButton* boton(QWidget* padre, const disposicion::Control& c) {
    auto* b = new QPushButton(texto(c.texto), padre);
    b->setObjectName(texto(c.nombre));
    b->setGeometry(geometria(c.r));
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

// What one try at a stretch tells: whether the texts fit; the face the font
// database picked for it; and, if they do not fit, the stretch at which they
// would, were widths proportional to it.
struct Prueba {
    bool caben = true;
    QString cara;
    int conjetura = QFont::Unstretched;
};

// Adds to `p` the try of `textos` in the font of `w` at `estiramiento`.
void probar(Prueba& p, const QWidget* w, const QStringList& textos, int estiramiento) {
    QFont f = w->font();
    f.setStretch(estiramiento);
    const QFontMetrics m(f);
    int ancho = 0;
    for (const QString& t : textos) {
        ancho = std::max(ancho, m.horizontalAdvance(t));
    }
    const QFontInfo info(f); // the engine the metrics loaded: no load of its own
    p.cara += info.family() + u'/' + info.styleName() + u';';
    const int util = anchoUtil(w);
    if (ancho > util) {
        p.caben = false;
        p.conjetura = std::min(p.conjetura, estiramiento * util / ancho);
    }
}

// The stretch that a search from 100 down to 61, a step at a time, stops at:
// the first at which the texts fit, else 60. Every stretch tried loads a font
// engine, the dearest thing at start-up, so the steps are guessed instead.
// Within one face of a family the width grows with the stretch, but the font
// database switches faces on the way (DejaVu Sans gives way to its Condensed
// face below 94, which is wider at 93 than Book is at 94): the guess from the
// width is followed only within the face it was made in, and where the face
// changes the lowest stretch of the face above is found by halving first.
template <typename Probar> int estiramientoQueCabe(Probar&& probar) {
    int alto = QFont::Unstretched; // nothing from here to 100 fits
    Prueba a = probar(alto);
    if (a.caben) {
        return alto;
    }
    // From a stretch that fits, up to the last that does before `tope`, in one face.
    const auto subir = [&](int e, int tope) {
        while (e + 1 < tope && probar(e + 1).caben) {
            ++e;
        }
        return e;
    };
    while (alto > 61) {
        const int g = std::clamp(a.conjetura, 61, alto - 1);
        const Prueba b = probar(g);
        if (b.cara == a.cara) {
            if (b.caben) {
                return subir(g, alto);
            }
            alto = g;
            a = b;
            continue;
        }
        // The face changes between g and alto: the lowest stretch of alto's face.
        int bajo = g, arriba = alto;
        Prueba pa = a;
        while (arriba - bajo > 1) {
            const int medio = (bajo + arriba) / 2;
            Prueba pm = probar(medio);
            if (pm.cara == a.cara) {
                arriba = medio;
                pa = std::move(pm);
            } else {
                bajo = medio;
            }
        }
        if (pa.caben) {
            return subir(arriba, alto);
        }
        // None of alto's face fits: go on from the top of the face below.
        alto = bajo;
        a = probar(alto);
        if (a.caben) {
            return alto;
        }
    }
    return 60;
}

void estirar(QWidget* w, int estiramiento) {
    QFont f = w->font();
    f.setStretch(estiramiento);
    w->setFont(f);
}

} // namespace

void encajar(QWidget* control, const QStringList& textos) {
    const int estiramiento = estiramientoQueCabe([&](int e) {
        Prueba p;
        probar(p, control, textos, e);
        return p;
    });
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
    const int estiramiento = estiramientoQueCabe([&](int e) {
        Prueba p;
        for (const QWidget* w : controles) {
            probar(p, w, {textoDe(w)}, e);
        }
        return p;
    });
    if (estiramiento == QFont::Unstretched) {
        return;
    }
    for (QWidget* w : controles) {
        estirar(w, estiramiento);
    }
}

QLineEdit* cajaCorreo(QWidget* padre, const char* nombre, const disposicion::Rect& r, std::string_view correo,
                      disposicion::Color fondo) {
    namespace c = disposicion::contacto;
    auto* t = new QLineEdit(texto(correo), padre);
    t->setObjectName(QString::fromLatin1(nombre));
    t->setGeometry(geometria(r));
    t->setReadOnly(true);
    t->setFrame(false);
    t->setToolTip(texto(c::kAsuntoAntes) + QLatin1String(kVersion) + texto(c::kAsuntoDespues));
    t->setAccessibleName(t->text());               // a screen reader names the box by its address
    t->setAlignment(Qt::AlignLeft | Qt::AlignTop); // level with the label beside it
    t->setCursorPosition(0);
    QPalette p = t->palette();
    p.setColor(QPalette::Text, color(disposicion::Color::Azul));
    p.setColor(QPalette::Base, color(fondo));
    t->setPalette(p);
    return t;
}

void prepararVentana(QWidget* ventana, const char* nombre, std::string_view titulo,
                     disposicion::Color fondo) {
    ventana->setObjectName(QString::fromLatin1(nombre));
    ventana->setWindowIcon(iconoPrograma());
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowTitle(texto(titulo));
    ventana->setFont(fuente(disposicion::kPuntosAuxiliares));
    QPalette p = ventana->palette();
    p.setColor(QPalette::Window, color(fondo));
    ventana->setPalette(p);
    ventana->setAutoFillBackground(true);
}

namespace {

// The program's icon, each picture decoded the first time a size it serves is
// asked for: QIcon::addFile decodes them all at once, and at start-up nobody
// may ask (offscreen, nothing does; X11 asks for every size as a window is
// created). The picture is chosen as QIcon chooses among the files (the
// smallest at least as large as the size asked for, else the largest) and
// then served by a QIcon holding that picture alone, so scaling and the
// disabled and selected looks are Qt's own.
class IconoDiferido : public QIconEngine {
public:
    struct Imagen {
        QString archivo;
        QSize lado;
        QIcon icono; // null until decoded
    };

    explicit IconoDiferido(QList<Imagen> imagenes)
        : m_imagenes(std::move(imagenes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Imagen& i = elegir(size);
        if (i.icono.isNull()) {
            i.icono.addPixmap(QPixmap::fromImage(QImage(i.archivo)));
        }
        return i.icono.pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize lado = elegir(size).lado;
        if (lado.width() > size.width() || lado.height() > size.height()) {
            lado.scale(size, Qt::KeepAspectRatio);
        }
        return lado;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const QPaintDevice* dispositivo = painter->device();
        const qreal escala =
            dispositivo != nullptr ? dispositivo->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * escala, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> lados;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const Imagen& i : m_imagenes) {
                lados << i.lado;
            }
        }
        return lados;
    }

    QIconEngine* clone() const override { return new IconoDiferido(*this); }
    QString key() const override { return QStringLiteral("IconoDiferido"); }

private:
    Imagen& elegir(const QSize& size) {
        const auto area = [](QSize s) { return s.width() * s.height(); };
        Imagen* mejor = &m_imagenes.first();
        for (Imagen& i : m_imagenes) {
            const int a = area(i.lado), b = area(mejor->lado);
            const int elegida = std::min(a, b) >= area(size) ? std::min(a, b) : std::max(a, b);
            if (elegida == a) {
                mejor = &i;
            }
        }
        return *mejor;
    }

    QList<Imagen> m_imagenes;
};

} // namespace

QIcon iconoPrograma() {
    // One icon for every window, so each picture is decoded once for all.
    static const QIcon icono = [] {
        QList<IconoDiferido::Imagen> imagenes;
        for (const int lado : {16, 32, 48, 64, 128}) {
            imagenes.append(
                {QStringLiteral(":/imagenes/icons/auguron-%1.png").arg(lado), QSize(lado, lado), {}});
        }
        imagenes.append({QStringLiteral(":/imagenes/auguron.png"), QSize(256, 256), {}});
        return QIcon(new IconoDiferido(std::move(imagenes)));
    }();
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
