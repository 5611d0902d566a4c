#include "windows/frmTemas.h"

#include "platform/qt/Ansi1252.h"
#include "platform/qt/Contacto.h"
#include "platform/qt/Estilo.h"
#include "texts/TextosPlanos.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>

namespace auguron {

using namespace estilo;

frmTemas::frmTemas()
    : QWidget(nullptr, Qt::Window) {
    prepararVentana(this, "frmTemas", QStringLiteral("Temas de Ayuda"), kBlanco);
    resize(px(6375), px(4095));

    struct Fila {
        const char* nombre;
        QString texto;
        QRect geometria;
        int trazo = Normal;
        QColor color = kNegro;
    };
    const Fila filas[] = {
        {"Label1", QStringLiteral("¿Cómo hacer la petición?"), twips(240, 240, 2295, 255), Negrita},
        {"Label2", QStringLiteral("La petición puede hacerse escribiendo:"), twips(240, 480, 2895, 255)},
        {"Label3", ansi1252::aQString(textos::kFrasePeticion) + u':', twips(3120, 480, 3015, 255), Normal,
         kAzul},
        {"Label4", QStringLiteral("o de la forma corta:"), twips(240, 720, 1455, 255)},
        {"Label6", ansi1252::aQString(textos::kFrasePeticionCorta) + u':', twips(1680, 720, 1935, 255),
         Normal, kAzul},
        {"Label5",
         QStringLiteral(
             "Tener en cuenta que la petición debe finalizar con el signo \" : \"  (dos puntos), de"),
         twips(240, 960, 5775, 255)},
        {"Label7", QStringLiteral("lo contrario no pasará al cuadro siguiente."),
         twips(240, 1200, 5775, 255)},
        {"Label8", QStringLiteral("¿Cómo preguntar?"), twips(240, 1680, 2295, 255), Negrita},
        {"Label9",
         QStringLiteral("Velmo es capaz de responder cualquier pregunta, siempre y cuando ésta termine"),
         twips(240, 1920, 5775, 255)},
        {"Label10", QStringLiteral("con el signo de interrogación (  ?  )."), twips(240, 2160, 5895, 255)},
        {"Label11",
         QStringLiteral("No es necesario usar signo de interrogación al principio de la pregunta."),
         twips(240, 2400, 5775, 255)},
        {"Label12", QStringLiteral("Cualquier consulta o duda puede comunicarse con:"),
         twips(240, 3000, 4485, 255), Negrita, kRojo},
    };
    for (const Fila& f : filas) {
        etiqueta(this, f.nombre, f.texto, f.geometria, f.trazo, Qt::AlignLeft, f.color);
    }

    cajaCorreo(this, "txtMail1", twips(270, 3240, 4395, 255), kCorreoDisenador, kBlanco);
    cajaCorreo(this, "txtMail2", twips(270, 3480, 4395, 255), kCorreoContacto, kBlanco);
    encajarTextos(this);
    // It has no button: Escape closes it from the keyboard.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

} // namespace auguron
