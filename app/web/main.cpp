#include "answer/Velmo.h"
#include "app/web/PaginaVelmo.h"
#include "platform/web/PlataformaWeb.h"
#include "util/Aleatorio.h"

#include <cstdlib>
#include <string>

// The page's program. main() queues the load: the prayer first, then the
// window, built only once the prayer is accepted (the box shows sooner for it,
// and a refused prayer never shows the window). The program then lives on in
// the page, answering its events, until the page goes.
int main() {
    using namespace auguron;
    using emscripten::val;
    auto* plataforma = new web::PlataformaWeb;
    const auto reloj = [plataforma] { return plataforma->segundosDelDia(); };
    // "?semilla=N" seeds the draws, as enrutar's --semilla does: with the clock
    // held still too, the page answers as the approved transcript says.
    const val semilla = val::global("URLSearchParams")
                            .new_(val::global("location")["search"])
                            .call<val>("get", std::string("semilla"));
    auto* azar =
        semilla.isNull()
            ? new GeneradorReloj(reloj)
            : new GeneradorReloj(reloj, std::strtoull(semilla.as<std::string>().c_str(), nullptr, 10));
    auto* velmo = new Velmo(*plataforma, *azar);
    web::encolar([plataforma, velmo] {
        if (!velmo->Form_Load()) {
            web::terminar();
            return;
        }
        (new web::PaginaVelmo(*plataforma, *velmo))->mostrar();
    });
    // Opens offline after the first visit: the service worker keeps the files.
    const val navegador = val::global("navigator");
    if (!navegador["serviceWorker"].isUndefined()) {
        navegador["serviceWorker"].call<val>("register", std::string("sw.js"));
    }
    return 0;
}
