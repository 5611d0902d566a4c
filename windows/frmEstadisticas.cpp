#include "windows/frmEstadisticas.h"

#include "platform/qt/Ansi1252.h"
#include "platform/qt/Estilo.h"
#include "texts/TextosEstadisticas.h"
#include "util/Cifrado.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace auguron {

using namespace estilo;

namespace {

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

QString rotulo(std::string_view cifrado) {
    return ansi1252::aQString(fncDecodificar(cifrado));
}

} // namespace

frmEstadisticas::frmEstadisticas(const CuentasPreguntas& cuentas)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    prepararVentana(this, "frmEstadisticas", QStringLiteral("Estadísticas"), kGris);
    setFixedSize(px(4575), px(2970));

    // The only control that takes the focus: first in the tab order.
    m_cmdAceptar = boton(this, "cmdAceptar", QStringLiteral("&Aceptar"), twips(2520, 2280, 1455, 375));
    connect(m_cmdAceptar, &QPushButton::clicked, this, &frmEstadisticas::cmdAceptar_Click);
    // Escape does what the button does, as in any dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &frmEstadisticas::cmdAceptar_Click);

    m_lblTruco = etiqueta(this, "lblTruco", QString(), twips(720, 240, 2415, 255));
    m_lblFrecuentes = etiqueta(this, "lblFrecuentes", QString(), twips(720, 600, 2415, 255));
    m_lblMalFormuladas = etiqueta(this, "lblMalFormuladas", QString(), twips(720, 960, 2415, 255));
    m_lblOtras = etiqueta(this, "lblOtras", QString(), twips(720, 1320, 2415, 255));
    m_lblTotal = etiqueta(this, "lblTotal", QString(), twips(720, 1920, 2175, 255));

    const auto cuenta = [this](const char* nombre, int top) {
        return etiqueta(this, nombre, QString(), twips(3480, top, 375, 255), Normal, Qt::AlignRight);
    };
    m_lblCantTruco = cuenta("lblCantTruco", 240);
    m_lblCantFrecuentes = cuenta("lblCantFrecuentes", 600);
    m_lblCantMalFormuladas = cuenta("lblCantMalFormuladas", 960);
    m_lblCantOtras = cuenta("lblCantOtras", 1320);
    m_lblCantTotal = cuenta("lblCantTotal", 1920);

    // The rule from (720, 1800) to (3960, 1800) that closes the sum.
    auto* linea = new QFrame(this);
    linea->setObjectName(QStringLiteral("Line1"));
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Plain);
    linea->setLineWidth(1);
    linea->setGeometry(px(720), px(1800), px(3960) - px(720) + 1, 1);
    colorTexto(linea, kNegro);

    m_cmdAceptar->setFocus();
    Form_Load(cuentas);
}

void frmEstadisticas::Form_Load(const CuentasPreguntas& cuentas) {
    m_lblTruco->setText(rotulo(textos::RotuloTruco));
    m_lblFrecuentes->setText(rotulo(textos::RotuloFrecuentes));
    m_lblMalFormuladas->setText(rotulo(textos::RotuloMalFormuladas));
    m_lblOtras->setText(rotulo(textos::RotuloOtras));
    m_lblTotal->setText(rotulo(textos::RotuloTotal));
    encajarTextos(this);

    fijarCuenta(m_lblCantTruco, cuentas.truco);
    fijarCuenta(m_lblCantFrecuentes, cuentas.frecuentes);
    fijarCuenta(m_lblCantMalFormuladas, cuentas.malFormuladas);
    fijarCuenta(m_lblCantOtras, cuentas.otras);
    fijarCuenta(m_lblCantTotal, cuentas.total());
}

void frmEstadisticas::cmdAceptar_Click() {
    m_conAceptar = true;
    close();
}

void frmEstadisticas::closeEvent(QCloseEvent* evento) {
    emit cerrada(m_conAceptar);
    evento->accept();
}

} // namespace auguron
