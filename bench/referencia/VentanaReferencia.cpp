#include "referencia/VentanaReferencia.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace banco {

namespace {

constexpr QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QFont fuente() {
    // Asked once, as the program does.
    static const bool hayMsSansSerif = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"));
    QFont f;
    if (hayMsSansSerif) {
        f = QFont(QStringLiteral("MS Sans Serif"));
    } else {
        f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setStyleHint(QFont::SansSerif);
    }
    f.setPointSizeF(13.5);
    return f;
}

void colorDe(QWidget* w, QPalette::ColorRole rol, const QColor& color) {
    QPalette p = w->palette();
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, rol, color);
    }
    w->setPalette(p);
}

QLabel* etiqueta(QWidget* padre, const QString& texto, QRect geometria, const QColor& color) {
    auto* l = new QLabel(padre);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(fuente());
    l->setGeometry(geometria);
    l->setText(texto);
    colorDe(l, QPalette::WindowText, color);
    return l;
}

// The same narrowing as the program's, so both windows draw the same glyphs:
// a step at a time down from 100, until the texts fit. A box keeps 2 pixels
// clear on each side of its text, inside its frame, and 1 more for the caret.
void encajar(QWidget* w, const QStringList& textos) {
    int util = w->width();
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) {
        util -= (t->hasFrame() ? 2 * t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0) + 5;
    }
    QFont f = w->font();
    const auto cabe = [&] {
        const QFontMetrics m(f);
        for (const QString& t : textos) {
            if (m.horizontalAdvance(t) > util) {
                return false;
            }
        }
        return true;
    };
    for (int estiramiento = QFont::Unstretched; estiramiento > 60 && !cabe(); --estiramiento) {
        f.setStretch(estiramiento - 1);
    }
    w->setFont(f);
}

QLineEdit* caja(QWidget* padre, QRect geometria, const QString& ayuda) {
    auto* c = new QLineEdit(padre);
    c->setGeometry(geometria);
    c->setFont(fuente());
    c->setToolTip(ayuda);
    return c;
}

QPushButton* boton(QWidget* padre, const QString& texto, QRect geometria) {
    auto* b = new QPushButton(texto, padre);
    b->setGeometry(geometria);
    b->setAutoDefault(true);
    return b;
}

int caja(const QString& texto, const QString& titulo, bool conCancelar) {
    QMessageBox m;
    m.setIcon(QMessageBox::NoIcon);
    m.setWindowTitle(titulo);
    m.setTextFormat(Qt::PlainText);
    m.setText(texto);
    QPushButton* aceptar = m.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    QPushButton* escape = aceptar;
    if (conCancelar) {
        escape = m.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    }
    m.setEscapeButton(escape);
    m.setDefaultButton(aceptar);
    m.exec();
    return m.clickedButton() == aceptar ? 1 : 0;
}

} // namespace

QIcon iconoReferencia() {
    QIcon icono;
    for (const int lado : {16, 32, 48, 64, 128}) {
        icono.addFile(QStringLiteral(":/imagenes/icons/auguron-%1.png").arg(lado), QSize(lado, lado));
    }
    icono.addFile(QStringLiteral(":/imagenes/auguron.png"), QSize(256, 256));
    return icono;
}

VentanaReferencia::VentanaReferencia(QWidget* parent)
    : QMainWindow(parent) {
    setPalette(QApplication::style()->standardPalette());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Auguron - Sistema Interactivo de Vagulantes"));
    // The window takes the application's icon, as the program's does.

    const QColor gris(224, 224, 224);
    auto* fondo = new QWidget(this);
    colorDe(fondo, QPalette::Window, gris);
    fondo->setAutoFillBackground(true);
    fondo->setFixedSize(11880 / 15, 8190 / 15);
    setCentralWidget(fondo);

    const QColor negro(0, 0, 0);
    auto* lblPeticion =
        etiqueta(fondo, QStringLiteral("Ingrese la petición:"), twips(1560, 1680, 2655, 375), negro);
    txtPeticion = caja(fondo, twips(4320, 1680, 5415, 420),
                       QStringLiteral("La petición debe finalizar con \":\" (dos puntos)"));
    auto* lblPregunta =
        etiqueta(fondo, QStringLiteral("Ingrese la pregunta:"), twips(1560, 2400, 2655, 375), negro);
    txtPregunta = caja(fondo, twips(4320, 2400, 5415, 420),
                       QStringLiteral("La pregunta debe finalizar con el signo \"?\""));
    txtPregunta->setEnabled(false);
    lblRespuesta = etiqueta(fondo, QString(), twips(1560, 3000, 8775, 1575), QColor(0, 0, 192));
    lblRespuesta->setWordWrap(true);
    cmdFocus = boton(fondo, QString(), twips(600, 6150, 285, 315));
    auto* cmdNuevaPregunta = boton(fondo, QStringLiteral("&Nueva Pregunta"), twips(1560, 4680, 1935, 375));
    auto* cmdSalir = boton(fondo, QStringLiteral("&Salir"), twips(7800, 4680, 1935, 375));
    lblInfo = etiqueta(fondo, QStringLiteral("Buscando Vagulantes..."), twips(7320, 7440, 4335, 375),
                       QColor(128, 128, 128));
    encajar(lblPeticion, {lblPeticion->text()});
    encajar(lblPregunta, {lblPregunta->text()});
    encajar(lblInfo, {QStringLiteral("Buscando Vagulantes..."), QStringLiteral("Conectando Vagulantes...")});
    // The whole long petition shows in its box, as in the program.
    encajar(txtPeticion, {QStringLiteral("Velmo, favor de responder esta pregunta:")});

    auto* pctLogo = new QLabel(fondo);
    pctLogo->setTextFormat(Qt::PlainText);
    pctLogo->setGeometry(twips(10320, 1680, 1005, 1005));
    pctLogo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pctLogo->setLineWidth(1);
    pctLogo->setAlignment(Qt::AlignCenter);
    pctLogo->setPixmap(QPixmap(QStringLiteral(":/imagenes/logo.jpg")));
    pctLogo->hide();

    QWidget::setTabOrder(txtPeticion, txtPregunta);
    QWidget::setTabOrder(txtPregunta, cmdFocus);
    QWidget::setTabOrder(cmdFocus, cmdNuevaPregunta);
    QWidget::setTabOrder(cmdNuevaPregunta, cmdSalir);
    txtPeticion->setFocus(Qt::OtherFocusReason);
    colorDe(txtPeticion, QPalette::Base, QApplication::style()->standardPalette().color(QPalette::Base));
    colorDe(txtPregunta, QPalette::Base, gris);

    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("Nueva Pregunta"))->setShortcut(QKeySequence(Qt::Key_F2));
    archivo->addAction(QStringLiteral("Leer Oración"))->setShortcut(QKeySequence(Qt::Key_F3));
    archivo->addAction(QStringLiteral("Ver Imagen"))->setShortcut(QKeySequence(Qt::Key_F4));
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("Salir"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->addAction(QStringLiteral("Temas de Ayuda"))->setShortcut(QKeySequence(Qt::Key_F1));
    ayuda->addSeparator();
    ayuda->addAction(QStringLiteral("Acerca de Auguron"));

    for (QTimer** t : {&tmrFocus, &tmrSuspenso, &tmrMensaje}) {
        *t = new QTimer(this);
        (*t)->setTimerType(Qt::PreciseTimer);
        (*t)->setInterval(0);
    }
    cmdFocus->move(txtPregunta->pos());
    cmdFocus->stackUnder(txtPregunta);
}

bool VentanaReferencia::cargar() {
    if (caja(QStringLiteral("Tómense de manos y repitan al unísono esto:\n"
                            "Laudate omnes gentes laudate, Magnificat en secula\n"
                            "Et anima mea laudate, Magnificat en secula"),
             QStringLiteral("Oración"), true) != 1) {
        return false;
    }
    caja(QStringLiteral("Bienvenido al Sistema Interactivo de Vagulantes.\n"
                        "- A propósito, mi nombre es Velmo..."),
         QStringLiteral("Buscando vagulantes..."), false);
    tmrMensaje->start(2500);
    return true;
}

} // namespace banco
