#include "windows/frmEstadisticas.h"

#include "answer/Cuentas.h"
#include "answer/Velmo.h"
#include "platform/qt/Ansi1252.h"
#include "texts/Estadisticas.h"
#include "util/Cifrado.h"
#include "windows/Estilo.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace auguron {

namespace {

using estilo::px;

// Count labels keep their right edge; a number wider than the label grows it to
// the left, into the gap before the row caption, rather than losing digits.
void fijarCuenta(QLabel* l, int cuenta) {
    const QString texto = QString::fromStdString(formatearCuenta(cuenta));
    l->setText(texto);
    const int ancho = QFontMetrics(l->font()).horizontalAdvance(texto);
    if (ancho > l->width()) {
        QRect r = l->geometry();
        r.setLeft(r.right() + 1 - ancho);
        l->setGeometry(r);
    }
}

} // namespace

frmEstadisticas::frmEstadisticas(const Velmo& velmo, QPushButton* cmdNuevaPregunta)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
    , m_cmdNuevaPregunta(cmdNuevaPregunta) {
    estilo::prepararVentana(this, "frmEstadisticas", QStringLiteral("Estadísticas"), estilo::kGris);
    setFixedSize(px(4575), px(2970));

    // The only control that takes the focus: first in the tab order.
    cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setGeometry(estilo::twips(2520, 2280, 1455, 375));
    cmdAceptar->setAutoDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmEstadisticas::cmdAceptar_Click);

    lblTruco = estilo::etiqueta(this, "lblTruco", QString(), estilo::twips(720, 240, 2415, 255));
    lblFrecuentes = estilo::etiqueta(this, "lblFrecuentes", QString(), estilo::twips(720, 600, 2415, 255));
    lblMalFormuladas =
        estilo::etiqueta(this, "lblMalFormuladas", QString(), estilo::twips(720, 960, 2415, 255));
    lblOtras = estilo::etiqueta(this, "lblOtras", QString(), estilo::twips(720, 1320, 2415, 255));
    lblTotal = estilo::etiqueta(this, "lblTotal", QString(), estilo::twips(720, 1920, 2175, 255));

    const auto cuenta = [this](const char* nombre, int top) {
        return estilo::etiqueta(this, nombre, QString(), estilo::twips(3480, top, 375, 255), estilo::Normal,
                                Qt::AlignRight);
    };
    lblCantTruco = cuenta("lblCantTruco", 240);
    lblCantFrecuentes = cuenta("lblCantFrecuentes", 600);
    lblCantMalFormuladas = cuenta("lblCantMalFormuladas", 960);
    lblCantOtras = cuenta("lblCantOtras", 1320);
    lblCantTotal = cuenta("lblCantTotal", 1920);

    // The rule from (720, 1800) to (3960, 1800) that closes the sum.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    Line1->setGeometry(px(720), px(1800), px(3960) - px(720) + 1, 1);
    QPalette p = Line1->palette();
    p.setColor(QPalette::WindowText, estilo::kNegro);
    Line1->setPalette(p);

    cmdAceptar->setFocus();
    Form_Load(velmo);
}

void frmEstadisticas::Form_Load(const Velmo& velmo) {
    lblTruco->setText(ansi1252::aQString(fncDecodificar(textos::RotuloTruco)));
    lblFrecuentes->setText(ansi1252::aQString(fncDecodificar(textos::RotuloFrecuentes)));
    lblMalFormuladas->setText(ansi1252::aQString(fncDecodificar(textos::RotuloMalFormuladas)));
    lblOtras->setText(ansi1252::aQString(fncDecodificar(textos::RotuloOtras)));
    lblTotal->setText(ansi1252::aQString(fncDecodificar(textos::RotuloTotal)));

    estilo::encajarTextos(this);

    fijarCuenta(lblCantTruco, velmo.cantPregTruco());
    fijarCuenta(lblCantFrecuentes, velmo.cantPregFrecuentes());
    fijarCuenta(lblCantMalFormuladas, velmo.cantPregNoValidas());
    fijarCuenta(lblCantOtras, velmo.cantOtrasPreguntas());

    // Added in int, not in 16 bits: each counter stops at 32767, so the four
    // can reach 131068, and a 16-bit sum would wrap round to a wrong number.
    const int total = int{velmo.cantPregTruco()} + int{velmo.cantPregFrecuentes()} +
                      int{velmo.cantPregNoValidas()} + int{velmo.cantOtrasPreguntas()};
    fijarCuenta(lblCantTotal, total);
}

void frmEstadisticas::cmdAceptar_Click() {
    if (m_cmdNuevaPregunta) {
        m_cmdNuevaPregunta->setEnabled(true);
        QWidget* principal = m_cmdNuevaPregunta->window();
        if (principal->isVisible()) {
            principal->activateWindow();
        }
        m_cmdNuevaPregunta->setFocus(Qt::OtherFocusReason);
    }
    close();
}

void frmEstadisticas::closeEvent(QCloseEvent* evento) {
    // However the window goes (its close box, the main window closing every
    // window), the new-question button must not stay disabled.
    if (m_cmdNuevaPregunta) {
        m_cmdNuevaPregunta->setEnabled(true);
    }
    evento->accept();
}

} // namespace auguron
