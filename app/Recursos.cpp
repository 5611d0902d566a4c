#include "app/Recursos.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void iniciarAuguronQrc() {
    Q_INIT_RESOURCE(auguron);
}

namespace auguron {

void iniciarRecursos() {
    static const bool hecho = [] {
        iniciarAuguronQrc();
        return true;
    }();
    (void)hecho;
}

} // namespace auguron
