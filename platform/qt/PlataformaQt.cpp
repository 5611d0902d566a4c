#include "platform/qt/PlataformaQt.h"

#include "platform/qt/Ansi1252.h"
#include "platform/qt/Estilo.h"
#include "util/FechaLarga.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace auguron {

namespace {

// A message box that, when it has no Cancel, cannot be dismissed without
// choosing: QMessageBox would otherwise make "No" its escape button.
class CajaMensaje : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool descartable = true;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!descartable && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (!descartable && clickedButton() == nullptr) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
};

QString textoDeCaja(std::string_view texto) {
    QString t = ansi1252::aQString(texto);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

QColor PlataformaQt::colorSistema() {
    return QApplication::style()->standardPalette().color(QPalette::Base);
}

void PlataformaQt::asociar(Control c, QObject* objeto) {
    m_controles[static_cast<std::size_t>(c)] = objeto;
}

void PlataformaQt::asociar(Temporizador t, QTimer* temporizador) {
    temporizador->setTimerType(Qt::PreciseTimer);
    temporizador->setSingleShot(false);
    temporizador->stop();
    m_relojes[static_cast<std::size_t>(t)] = temporizador;
}

void PlataformaQt::asociarVentana(QWidget* principal) {
    m_principal = principal;
}

QObject* PlataformaQt::objeto(Control c) const {
    QObject* o = m_controles[static_cast<std::size_t>(c)];
    Q_ASSERT(o != nullptr);
    return o;
}

QWidget* PlataformaQt::widget(Control c) const {
    return qobject_cast<QWidget*>(objeto(c));
}

Boton PlataformaQt::mensaje(std::string_view texto, std::string_view titulo, Botones botones) {
    QWidget* padre = (m_principal && m_principal->isVisible()) ? m_principal.data() : nullptr;
    CajaMensaje caja(padre);
    caja.setIcon(QMessageBox::NoIcon);
    caja.setWindowIcon(estilo::iconoPrograma());
    caja.setWindowTitle(ansi1252::aQString(titulo));
    caja.setTextFormat(Qt::PlainText);
    caja.setText(textoDeCaja(texto));

    QPushButton* primero = nullptr;
    QPushButton* segundo = nullptr;
    switch (botones) {
    case Botones::Aceptar:
        primero = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        caja.setEscapeButton(primero);
        break;
    case Botones::AceptarCancelar:
        primero = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        segundo = caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
        caja.setEscapeButton(segundo);
        break;
    case Botones::SiNo:
        primero = caja.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
        segundo = caja.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        caja.descartable = false;
        caja.setWindowFlag(Qt::WindowCloseButtonHint, false);
        break;
    }
    caja.setDefaultButton(primero);
    caja.exec();
    // Without a window manager nobody hands the keyboard back when the box
    // goes: F1 to F4, Alt+N and the next letters would be lost until a click.
    if (m_principal && m_principal->isVisible()) {
        m_principal->activateWindow();
    }

    const QAbstractButton* pulsado = caja.clickedButton();
    switch (botones) {
    case Botones::Aceptar:
        return Boton::Aceptar;
    case Botones::AceptarCancelar:
        return pulsado == primero ? Boton::Aceptar : Boton::Cancelar;
    case Botones::SiNo:
        return pulsado == segundo ? Boton::No : Boton::Si;
    }
    return Boton::Cancelar;
}

void PlataformaQt::fijarTexto(Control c, std::string_view texto) {
    QObject* o = objeto(c);
    const QString t = ansi1252::aQString(texto);
    if (auto* caja = qobject_cast<QLineEdit*>(o)) {
        caja->setText(t);
        caja->end(false);
    } else if (auto* etiqueta = qobject_cast<QLabel*>(o)) {
        etiqueta->setText(t);
    } else if (auto* boton = qobject_cast<QAbstractButton*>(o)) {
        boton->setText(t);
    } else if (auto* accion = qobject_cast<QAction*>(o)) {
        accion->setText(t);
    }
}

void PlataformaQt::habilitar(Control c, bool si) {
    QObject* o = objeto(c);
    if (auto* accion = qobject_cast<QAction*>(o)) {
        accion->setEnabled(si);
    } else {
        qobject_cast<QWidget*>(o)->setEnabled(si);
    }
}

void PlataformaQt::mostrar(Control c, bool si) {
    QObject* o = objeto(c);
    if (auto* accion = qobject_cast<QAction*>(o)) {
        accion->setVisible(si);
    } else {
        qobject_cast<QWidget*>(o)->setVisible(si);
    }
}

void PlataformaQt::enfocar(Control c) {
    if (QWidget* w = widget(c); w != nullptr && w->isEnabled()) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void PlataformaQt::fondoSistema(Control c, bool sistema) {
    QWidget* w = widget(c);
    QPalette p = w->palette();
    const QColor color = sistema ? colorSistema() : estilo::color(disposicion::principal::kFondo);
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, QPalette::Base, color);
    }
    w->setPalette(p);
}

void PlataformaQt::temporizador(Temporizador t, int ms) {
    QTimer* reloj = m_relojes[static_cast<std::size_t>(t)];
    // A new period always starts from now.
    reloj->stop();
    if (ms > 0) {
        reloj->start(ms);
    }
}

void PlataformaQt::cerrarVentanaPrincipal() {
    if (m_principal) {
        m_principal->close();
    }
}

void PlataformaQt::cerrarTodas() {
    QApplication::closeAllWindows();
}

void PlataformaQt::mostrarEstadisticas(const CuentasPreguntas& cuentas) {
    if (alPedirEstadisticas) {
        alPedirEstadisticas(cuentas);
    }
}

double PlataformaQt::segundosDelDia() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::chrono::sys_days PlataformaQt::hoy() const {
    const QDate d = QDate::currentDate();
    return std::chrono::sys_days{std::chrono::year{d.year()} /
                                 std::chrono::month{static_cast<unsigned>(d.month())} /
                                 std::chrono::day{static_cast<unsigned>(d.day())}};
}

std::string PlataformaQt::fechaLarga(std::chrono::sys_days dia) const {
    const std::chrono::year_month_day f{dia};
    const QDate d(static_cast<int>(f.year()), static_cast<int>(static_cast<unsigned>(f.month())),
                  static_cast<int>(static_cast<unsigned>(f.day())));
    // A Spanish sentence wants a Spanish date, whatever the system speaks.
    const QLocale local = QLocale::system();
    if (local.language() != QLocale::Spanish) {
        return fechaLargaEnCastellano(dia);
    }
    return ansi1252::deQStringLegible(local.toString(d, QLocale::LongFormat));
}

} // namespace auguron
