#include "windows/frmEstadisticas.h"

#include "platform/Disposicion.h"
#include "platform/qt/Ansi1252.h"
#include "platform/qt/Estilo.h"
#include "util/Cifrado.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace auguron {

using namespace estilo;
namespace e = disposicion::estadisticas;

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

} // namespace

frmEstadisticas::frmEstadisticas(const CuentasPreguntas& cuentas)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    prepararVentana(this, "frmEstadisticas", e::kTitulo, e::kFondo);
    setFixedSize(disposicion::px(e::kAncho), disposicion::px(e::kAlto));

    // The only control that takes the focus: first in the tab order.
    m_cmdAceptar = boton(this, e::cmdAceptar);
    connect(m_cmdAceptar, &QPushButton::clicked, this, &frmEstadisticas::cmdAceptar_Click);
    // Escape does what the button does, as in any dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &frmEstadisticas::cmdAceptar_Click);

    // The captions first, then the counts: the order a screen reader goes through them.
    for (std::size_t i = 0; i < e::kFilas.size(); ++i) {
        const e::Fila& f = e::kFilas[i];
        m_rotulos[i] = etiqueta(this, {f.rotulo, {}, {e::kXRotulo, f.y, f.anchoRotulo, e::kAltoFila}});
    }
    for (std::size_t i = 0; i < e::kFilas.size(); ++i) {
        const e::Fila& f = e::kFilas[i];
        m_cuentas[i] = etiqueta(this, {f.cuenta,
                                       {},
                                       {e::kXCuenta, f.y, e::kAnchoCuenta, e::kAltoFila},
                                       disposicion::Normal,
                                       disposicion::Alineacion::Derecha});
    }

    // The rule that closes the sum: one pixel high, from the pixel of its left
    // end to that of its right end.
    auto* linea = new QFrame(this);
    linea->setObjectName(QStringLiteral("Line1"));
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Plain);
    linea->setLineWidth(1);
    using disposicion::px;
    linea->setGeometry(px(e::kLinea.x), px(e::kLinea.y),
                       px(e::kLinea.x + e::kLinea.ancho) - px(e::kLinea.x) + 1, 1);
    colorTexto(linea, color(disposicion::Color::Negro));

    m_cmdAceptar->setFocus();
    Form_Load(cuentas);
}

void frmEstadisticas::Form_Load(const CuentasPreguntas& cuentas) {
    for (std::size_t i = 0; i < e::kFilas.size(); ++i) {
        m_rotulos[i]->setText(ansi1252::aQString(fncDecodificar(e::kFilas[i].cifrado)));
    }
    encajarTextos(this);

    const std::array<int, 5> numeros{cuentas.truco, cuentas.frecuentes, cuentas.malFormuladas, cuentas.otras,
                                     cuentas.total()};
    for (std::size_t i = 0; i < e::kFilas.size(); ++i) {
        fijarCuenta(m_cuentas[i], numeros[i]);
    }
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
