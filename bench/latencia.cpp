// Answer latency: from the "?" key in the question box to lblRespuesta painted
// with the answer, in the real window on the current platform (offscreen), for
// an ordinary question, a hidden answer and a frequent topic; against the same
// key typed into a bare QLineEdit of the reference window, whose handler sets
// the same text into its answer label. Samples are interleaved.
//
//   latencia [--veces N] [--caso K]

#include "apoyo/Banco.h"
#include "referencia/VentanaReferencia.h"
#include "resumen.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace banco;

namespace {

struct Caso {
    const char* nombre;
    QString peticion;
    QString pregunta;                                 // without its "?"
    auguron::Entero auguron::EstadoSesion::*contador; // the counter its route adds to
};

// The measured stretch: the key, then the wait for the label's paint. One
// function per window, never inlined, so that a profile can be limited to it:
//   valgrind --tool=callgrind --toggle-collect='*tramoAuguron*' latencia
[[gnu::noipa]] std::int64_t tramoAuguron(QWidget* caja, VigiaPintura& vigia) {
    QTest::keyClick(caja, '?');
    return vigia.esperar();
}

[[gnu::noipa]] std::int64_t tramoReferencia(QWidget* caja, VigiaPintura& vigia) {
    QTest::keyClick(caja, '?');
    return vigia.esperar();
}

double microsegundos(std::int64_t ns) {
    return static_cast<double>(ns) / 1e3;
}

std::string us(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.0f µs", v);
    return b;
}

} // namespace

int main(int argc, char* argv[]) {
    int veces = 201;
    int solo = -1; // --caso K: only the K-th case (0 to 2)
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--veces") == 0) {
            veces = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--caso") == 0) {
            solo = std::atoi(argv[i + 1]);
        }
    }
    QApplication app(argc, argv);

    Ventana real = abrir();
    auto* ref = new VentanaReferencia;
    ref->setAttribute(Qt::WA_DeleteOnClose, false);
    ref->txtPregunta->setEnabled(true);
    QString respuestaRef;
    QObject::connect(ref->txtPregunta, &QLineEdit::textChanged, ref, [&](const QString& t) {
        if (t.endsWith(QLatin1Char('?'))) {
            ref->lblRespuesta->setText(respuestaRef);
        }
    });
    ref->show();
    asentar();
    // The yardstick is only fair if it draws the same window.
    if (ref->size() != real.ventana->size() ||
        ref->lblRespuesta->geometry() != real.lblRespuesta->geometry() ||
        ref->lblRespuesta->font() != real.lblRespuesta->font() ||
        ref->txtPregunta->geometry() != real.txtPregunta->geometry() ||
        ref->txtPregunta->font() != real.txtPregunta->font()) {
        qFatal("the reference window differs from the real one");
    }

    VigiaPintura vigiaReal(real.lblRespuesta);
    VigiaPintura vigiaRef(ref->lblRespuesta);

    const QString peticion = QStringLiteral("Velmo, favor de responder:");
    const std::vector<Caso> casos = {
        {"pregunta ordinaria", peticion, QStringLiteral("¿Lograré terminar mi proyecto"),
         &auguron::EstadoSesion::CantOtrasPreguntas},
        {"respuesta oculta", QStringLiteral(".no.o, favor de responder:"), QStringLiteral("¿Lloverá mañana"),
         &auguron::EstadoSesion::CantPregTruco},
        {"tema frecuente", peticion, QStringLiteral("¿Por qué existe la muerte"),
         &auguron::EstadoSesion::CantPregFrecuentes},
    };

    const auto muestraReal = [&](const Caso& c) -> double {
        QApplication::setActiveWindow(real.ventana);
        real.preparar(c.peticion, c.pregunta);
        auguron::EstadoSesion& e = real.ventana->velmo().estado();
        const auguron::Entero antes = e.*c.contador;
        vigiaReal.armar([&] { return !real.lblRespuesta->text().isEmpty(); });
        const std::int64_t t0 = ahoraNs();
        const std::int64_t t1 = tramoAuguron(real.txtPregunta, vigiaReal);
        if (t1 == 0 || e.*c.contador != antes + 1) {
            qFatal("%s: the answer was not painted, or took another route", c.nombre);
        }
        return microsegundos(t1 - t0);
    };
    const auto muestraRef = [&](const Caso& c) -> double {
        QApplication::setActiveWindow(ref);
        ref->lblRespuesta->clear();
        ref->txtPregunta->setText(c.pregunta);
        ref->txtPregunta->setFocus();
        asentar();
        vigiaRef.armar([&] { return !ref->lblRespuesta->text().isEmpty(); });
        const std::int64_t t0 = ahoraNs();
        const std::int64_t t1 = tramoReferencia(ref->txtPregunta, vigiaRef);
        if (t1 == 0) {
            qFatal("reference: the label was not painted");
        }
        return microsegundos(t1 - t0);
    };

    std::printf("Latencia de la respuesta (%s), mediana de %d muestras intercaladas:\n",
                qPrintable(QApplication::platformName()), veces);
    std::printf("  %-22s %12s %12s %8s   %s\n", "", "Auguron", "referencia", "cociente",
                "(p90 Auguron / ref)");
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const Caso& c = casos[k];
        if (solo >= 0 && static_cast<std::size_t>(solo) != k) {
            continue;
        }
        // Warm-up, which also gives the reference the very text the window shows.
        muestraReal(c);
        respuestaRef = real.lblRespuesta->text();
        muestraRef(c);
        std::vector<double> nuestras, suyas;
        for (int i = 0; i < veces; ++i) {
            if (i % 2 == 0) {
                nuestras.push_back(muestraReal(c));
                suyas.push_back(muestraRef(c));
            } else {
                suyas.push_back(muestraRef(c));
                nuestras.push_back(muestraReal(c));
            }
        }
        const double a = mediana(nuestras), b = mediana(suyas);
        std::sort(nuestras.begin(), nuestras.end());
        std::sort(suyas.begin(), suyas.end());
        const std::size_t p90 = nuestras.size() * 9 / 10;
        std::printf("  %-22s %12s %12s %8.2f   (%s / %s)\n", c.nombre, us(a).c_str(), us(b).c_str(), a / b,
                    us(nuestras[p90]).c_str(), us(suyas[p90]).c_str());
        resumen(std::string("Latencia «?» → respuesta pintada: ") + c.nombre, us(a), us(b), a / b, 2.0);
    }
    delete ref;
    delete real.ventana.data();
    return 0;
}
