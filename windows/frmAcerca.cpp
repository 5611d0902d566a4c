#include "windows/frmAcerca.h"

#include "Version.h"
#include "platform/qt/Contacto.h"
#include "platform/qt/Estilo.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace auguron {

using namespace estilo;

frmAcerca::frmAcerca()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    prepararVentana(this, "frmAcerca", QStringLiteral("Acerca de Auguron"), kGris);
    setFixedSize(px(5835), px(3825));

    // First in the tab order, so Enter or Space closes the window at once.
    m_cmdAceptar = boton(this, "cmdAceptar", QStringLiteral("&Cerrar"), twips(3960, 3090, 1455, 375));
    connect(m_cmdAceptar, &QPushButton::clicked, this, &frmAcerca::cmdAceptar_Click);
    // Escape closes it too, as it closes dialogs.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setGeometry(twips(360, 300, 1000, 1000));
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap(QStringLiteral(":/imagenes/logo.jpg")));

    // Names the system this build is made for, as CMake knows it.
    etiqueta(
        this, "Label1",
        QStringLiteral("Auguron Versión %1 para %2").arg(QLatin1String(kVersion), QLatin1String(kSistema)),
        twips(1380, 300, 4035, 255), Negrita, Qt::AlignHCenter);
    etiqueta(this, "Label2", QStringLiteral("Sistema Interactivo de Vagulantes"), twips(1380, 540, 4035, 255),
             Negrita, Qt::AlignHCenter);
    etiqueta(this, "Label5", QStringLiteral("Sistema de IA - DB Universal"), twips(1380, 840, 4035, 255),
             Normal, Qt::AlignHCenter);
    etiqueta(this, "Label3", QStringLiteral("Incluye Módulo OUIJA y Llamadas al Averno"),
             twips(1380, 1080, 4035, 255), Normal, Qt::AlignHCenter);

    // An etched frame without caption; the controls inside are placed from its corner.
    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("Frame1"));
    marco->setFrameStyle(QFrame::Box | QFrame::Sunken);
    marco->setGeometry(twips(360, 1440, 5055, 1485));

    etiqueta(marco, "Label6", kFabricante, twips(120, 240, 4155, 255), Negrita);
    etiqueta(marco, "Label7", QStringLiteral("Diseño y programación:"), twips(120, 540, 1755, 255),
             Subrayada);
    etiqueta(marco, "Label4", kDisenador, twips(120, 750, 1695, 255));
    cajaCorreo(marco, "txtMail1", twips(2430, 750, 2325, 285), kCorreoDisenador, kGris);
    etiqueta(marco, "Label9", QStringLiteral("Dudas, consultas, sugerencias:"), twips(120, 1050, 2295, 255),
             Subrayada);
    cajaCorreo(marco, "txtMail2", twips(2430, 1050, 2355, 285), kCorreoContacto, kGris);

    etiqueta(this, "Label8", kIdeaOriginal, twips(360, 3180, 2175, 255));

    encajarTextos(this);
    m_cmdAceptar->setFocus();
}

void frmAcerca::cmdAceptar_Click() {
    close();
}

} // namespace auguron
