#include "windows/frmAcerca.h"

#include "windows/Contacto.h"
#include "windows/Estilo.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace auguron {

using namespace estilo;

frmAcerca::frmAcerca()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    prepararVentana(this, "frmAcerca", QStringLiteral("Acerca de Auguron"), kGris);
    setFixedSize(px(5835), px(3825));

    // First in the tab order, so Enter or Space closes the window at once.
    cmdAceptar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setGeometry(twips(3960, 3090, 1455, 375));
    cmdAceptar->setAutoDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmAcerca::cmdAceptar_Click);

    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(360, 300, 1000, 1000));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/imagenes/logo.jpg")));

    etiqueta(this, "Label1", QStringLiteral("Auguron Versión 2.0.1 para Windows"),
             twips(1380, 300, 4035, 255), Negrita, Qt::AlignHCenter);
    etiqueta(this, "Label2", QStringLiteral("Sistema Interactivo de Vagulantes"), twips(1380, 540, 4035, 255),
             Negrita, Qt::AlignHCenter);
    etiqueta(this, "Label5", QStringLiteral("Sistema de IA - DB Universal"), twips(1380, 840, 4035, 255),
             Normal, Qt::AlignHCenter);
    etiqueta(this, "Label3", QStringLiteral("Incluye Módulo OUIJA y Llamadas al Averno"),
             twips(1380, 1080, 4035, 255), Normal, Qt::AlignHCenter);

    // An etched frame without caption; the controls inside are placed from its corner.
    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twips(360, 1440, 5055, 1485));

    etiqueta(Frame1, "Label6", kFabricante, twips(120, 240, 4155, 255), Negrita);
    etiqueta(Frame1, "Label7", QStringLiteral("Diseño y programación:"), twips(120, 540, 1755, 255),
             Subrayada);
    etiqueta(Frame1, "Label4", kDisenador, twips(120, 750, 1695, 255));
    cajaCorreo(Frame1, "txtMail1", twips(2430, 750, 2325, 285), kCorreoDisenador, kGris);
    etiqueta(Frame1, "Label9", QStringLiteral("Dudas, consultas, sugerencias:"), twips(120, 1050, 2295, 255),
             Subrayada);
    cajaCorreo(Frame1, "txtMail2", twips(2430, 1050, 2355, 285), kCorreoContacto, kGris);

    etiqueta(this, "Label8", kIdeaOriginal, twips(360, 3180, 2175, 255));

    encajarTextos(this);
    cmdAceptar->setFocus();
}

void frmAcerca::cmdAceptar_Click() {
    close();
}

} // namespace auguron
