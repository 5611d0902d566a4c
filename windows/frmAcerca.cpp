#include "windows/frmAcerca.h"

#include "Version.h"
#include "platform/Disposicion.h"
#include "platform/qt/Estilo.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <string_view>
#include <tuple>

namespace auguron {

using namespace estilo;
namespace a = disposicion::acerca;
namespace c = disposicion::contacto;

frmAcerca::frmAcerca()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    prepararVentana(this, "frmAcerca", a::kTitulo, a::kFondo);
    setFixedSize(disposicion::px(a::kAncho), disposicion::px(a::kAlto));

    // First in the tab order, so Enter or Space closes the window at once.
    m_cmdAceptar = boton(this, a::cmdAceptar);
    connect(m_cmdAceptar, &QPushButton::clicked, this, &frmAcerca::cmdAceptar_Click);
    // Escape closes it too, as it closes dialogs.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setGeometry(geometria(a::kPicture1));
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap(QStringLiteral(":/imagenes/logo.jpg")));

    // Names the system this build is made for, as CMake knows it.
    etiqueta(this, a::kLabel1)
        ->setText(texto(a::kVersionAntes) + QLatin1String(kVersion) + texto(a::kVersionPara) +
                  QLatin1String(kSistema));
    for (const disposicion::Etiqueta& e : a::kEtiquetas) {
        etiqueta(this, e);
    }

    // An etched frame without caption; the controls inside are placed from its corner.
    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("Frame1"));
    marco->setFrameStyle(QFrame::Box | QFrame::Sunken);
    marco->setGeometry(geometria(a::kFrame1));
    // Each address right after the label on its line, so that a screen reader
    // reads the two together.
    const std::tuple<const char*, disposicion::Rect, std::string_view> correos[] = {
        {"txtMail1", a::kCorreo1, c::kCorreoDisenador}, {"txtMail2", a::kCorreo2, c::kCorreoContacto}};
    for (const disposicion::Etiqueta& e : a::kEnMarco) {
        etiqueta(marco, e);
        for (const auto& [nombre, r, correo] : correos) {
            if (r.y == e.r.y) {
                cajaCorreo(marco, nombre, r, correo, a::kFondo);
            }
        }
    }

    etiqueta(this, a::kLabel8);

    encajarTextos(this);
    m_cmdAceptar->setFocus();
}

void frmAcerca::cmdAceptar_Click() {
    close();
}

} // namespace auguron
