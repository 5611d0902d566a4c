#include "windows/frmTemas.h"

#include "platform/Disposicion.h"
#include "platform/qt/Estilo.h"

#include <QKeySequence>
#include <QShortcut>

namespace auguron {

using namespace estilo;
namespace t = disposicion::temas;
namespace c = disposicion::contacto;

frmTemas::frmTemas()
    : QWidget(nullptr, Qt::Window) {
    prepararVentana(this, "frmTemas", t::kTitulo, t::kFondo);
    resize(disposicion::px(t::kAncho), disposicion::px(t::kAlto));
    for (const disposicion::Etiqueta& e : t::kEtiquetas) {
        etiqueta(this, e);
    }
    cajaCorreo(this, "txtMail1", t::kCorreo1, c::kCorreoDisenador, t::kFondo);
    cajaCorreo(this, "txtMail2", t::kCorreo2, c::kCorreoContacto, t::kFondo);
    encajarTextos(this);
    // It has no button: Escape closes it from the keyboard.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

} // namespace auguron
