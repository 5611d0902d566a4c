#include "answer/Velmo.h"
#include "app/web/PaginaVelmo.h"
#include "platform/web/PlataformaWeb.h"
#include "util/Aleatorio.h"

// The page's program. main() builds the window and queues its load; the
// program then lives on in the page, answering its events, until the page goes.
int main() {
    using namespace auguron;
    auto* plataforma = new web::PlataformaWeb;
    auto* azar = new GeneradorReloj([plataforma] { return plataforma->segundosDelDia(); });
    auto* velmo = new Velmo(*plataforma, *azar);
    auto* pagina = new web::PaginaVelmo(*plataforma, *velmo);
    pagina->cargar();
    // Opens offline after the first visit: the service worker keeps the files.
    const emscripten::val navegador = emscripten::val::global("navigator");
    if (!navegador["serviceWorker"].isUndefined()) {
        navegador["serviceWorker"].call<emscripten::val>("register", std::string("sw.js"));
    }
    return 0;
}
